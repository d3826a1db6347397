#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

/// Asks where the earlier translation is (a file, an `.xcloc` or a folder) and whether
/// units that already hold a translation are filled too. It only reports the answer.
class CarryOverDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CarryOverDialog(QWidget *parent);

    QLineEdit *pathEdit() const { return m_path; }
    QCheckBox *overwriteBox() const { return m_overwrite; }
    QPushButton *fillButton() const { return m_fill; }

signals:
    /// The user asked to fill from `path`.
    void chosen(const QString &path, bool overwrite);

private:
    void browse(bool folder);

    QLineEdit *m_path = nullptr;
    QCheckBox *m_overwrite = nullptr;
    QPushButton *m_fill = nullptr;
};
