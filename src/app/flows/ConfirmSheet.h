#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

/// A question shown window-modal on the main window: a title line, an explanation, a
/// confirm and a cancel button, and when unsaved work is at stake a Save button before
/// them. The buttons only report (confirmed(), saveRequested(), rejected()); the
/// controller decides, and ends the sheet itself. Return answers with the default button
/// whichever button has the focus (Save when it is offered: no key discards work), and
/// Escape cancels.
class ConfirmSheet : public QDialog
{
    Q_OBJECT

public:
    ConfirmSheet(const QString &title, const QString &text, const QString &confirmLabel,
                 QWidget *parent);

    /// Asks this question next time; with `offerSave` the Save button shows and is the
    /// default, otherwise the confirm button is.
    void setQuestion(const QString &title, const QString &text, const QString &confirmLabel,
                     bool offerSave);

    QPushButton *confirmButton() const { return m_confirm; }
    QPushButton *saveButton() const { return m_save; }
    QPushButton *cancelButton() const { return m_cancel; }

signals:
    void confirmed();
    void saveRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_heading = nullptr;
    QLabel *m_body = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_confirm = nullptr;
    QPushButton *m_cancel = nullptr;
};
