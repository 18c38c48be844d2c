#ifndef MAIN_WINDOW_STATUS_PANEL_H
#define MAIN_WINDOW_STATUS_PANEL_H

#include <QLabel>

// A panel of the status bar: shows a value, and tells screen readers the value with its name, "Time: 00:02:54", as
// its name and as its text; some read a status bar's labels only by their text.
class StatusPanel final : public QLabel {
    Q_OBJECT

public:
    // A panel named by `name` that shows `designText` until it has a value.
    StatusPanel(const QString& name, const QString& designText, QWidget* parent);

    // Screen readers hear of a change only when the value changes.
    void SetValue(const QString& value);

private:
    QString name;
};

#endif
