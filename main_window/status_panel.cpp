#include "status_panel.h"

#include <QAccessibleWidget>

namespace {

// The panel's name as a text of its own: a label, and all of its text the name.
class PanelAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PanelAccessible(QWidget* panel) : QAccessibleWidget(panel, QAccessible::StaticText) {}

    [[nodiscard]] void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    // QAccessibleTextInterface: the name, read only, with nothing selected.
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    [[nodiscard]] int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    [[nodiscard]] int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    [[nodiscard]] QString text(int startOffset, int endOffset) const override
    {
        return Name().mid(startOffset, endOffset - startOffset);
    }
    [[nodiscard]] int characterCount() const override { return static_cast<int>(Name().size()); }
    [[nodiscard]] QRect characterRect(int) const override { return {}; }
    [[nodiscard]] int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    [[nodiscard]] QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        return {};
    }

private:
    [[nodiscard]] QString Name() const { return QAccessibleWidget::text(QAccessible::Name); }
};

QAccessibleInterface* PanelFactory(const QString& /*className*/, QObject* object)
{
    auto* panel = qobject_cast<StatusPanel*>(object);
    return panel != nullptr ? new PanelAccessible(panel) : nullptr;
}

} // namespace

StatusPanel::StatusPanel(const QString& name, const QString& designText, QWidget* parent)
    : QLabel(designText, parent), name(name)
{
    static const bool installed = (QAccessible::installFactory(PanelFactory), true);
    Q_UNUSED(installed);
    setAccessibleName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Wide enough for its longest text, so the panels do not jump as the clock runs.
    const int longestText = fontMetrics().horizontalAdvance(QStringLiteral("00:00:00"));
    setMinimumWidth(longestText + 2 * frameWidth() + 8);
}

void StatusPanel::SetValue(const QString& value)
{
    if (value == text()) return;
    setText(value);
    //: A status bar panel's name and value, as a screen reader reads them: "Time: 00:02:54".
    setAccessibleName(tr("%1: %2").arg(name, value));
}
