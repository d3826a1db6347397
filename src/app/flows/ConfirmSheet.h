#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

/// A question shown window-modal on the main window: a title line, an explanation, a
/// confirm and a cancel button. The buttons only report (confirmed(), rejected()); the
/// controller decides, and ends the sheet itself.
class ConfirmSheet : public QDialog
{
    Q_OBJECT

public:
    ConfirmSheet(const QString &title, const QString &text, const QString &confirmLabel,
                 QWidget *parent);

    QPushButton *confirmButton() const { return m_confirm; }
    QPushButton *cancelButton() const { return m_cancel; }

signals:
    void confirmed();

private:
    QPushButton *m_confirm = nullptr;
    QPushButton *m_cancel = nullptr;
};
