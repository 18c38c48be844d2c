#include "board_settings.h"

#include "platform/application_title.h"
#include "platform/settings_store.h"

#include <QString>

#include <algorithm>

namespace {

const QString Section = QStringLiteral("Board");
const QString SizeKey = QStringLiteral("Size");
const QString ColoursKey = QStringLiteral("Colours");

QString SizeText(const Geometry& shape)
{
    return QStringLiteral("%1x%2").arg(shape.Columns()).arg(shape.Rows());
}

} // namespace

BoardKind BoardSettings::Kind() const
{
    BoardKind kind = NormalKind;
    const QString size = store.GetSetting(ApplicationTitle(), Section, SizeKey, QString());
    const auto* offered = std::find_if(BoardSizes.begin(), BoardSizes.end(),
                                       [&size](const Geometry& shape) { return SizeText(shape) == size; });
    if (offered != BoardSizes.end()) kind.shape = *offered;
    const QString colours = store.GetSetting(ApplicationTitle(), Section, ColoursKey, QString());
    for (int count = FewestColours; count <= ColourCount; ++count) {
        if (colours == QString::number(count)) kind.colours = count;
    }
    return kind;
}

bool BoardSettings::SaveKind(const BoardKind& kind)
{
    return store.Change(ApplicationTitle(), Section, [&kind](SettingsStore::Section& board) {
        board.Set(SizeKey, SizeText(kind.shape));
        board.Set(ColoursKey, QString::number(kind.colours));
    });
}
