#include "app/flows/CarryOverDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CarryOverDialog::CarryOverDialog(QWidget *parent) : QDialog(parent)
{
    setWindowModality(Qt::WindowModal);
    setWindowTitle(tr("Fill From Earlier Translation"));

    auto *heading = new QLabel(
        tr("Choose last release's translated XLIFF file, its .xcloc package or the folder "
           "Xcode exported it to. Units with the same file, id and source take its target; "
           "units whose source text only matches elsewhere get a suggestion marked for review."),
        this);
    heading->setWordWrap(true);

    m_path = new QLineEdit(this);
    m_path->setMinimumWidth(420);
    auto *file = new QPushButton(tr("File…"), this);
    auto *folder = new QPushButton(tr("Folder…"), this);
    connect(file, &QPushButton::clicked, this, [this] { browse(false); });
    connect(folder, &QPushButton::clicked, this, [this] { browse(true); });
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(m_path, 1);
    pathRow->addWidget(file);
    pathRow->addWidget(folder);

    m_overwrite = new QCheckBox(tr("Also replace targets that are already translated"), this);

    auto *buttons = new QDialogButtonBox(this);
    m_fill = buttons->addButton(tr("Fill"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    m_fill->setDefault(true);
    m_fill->setEnabled(false);
    connect(m_path, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_fill->setEnabled(!text.trimmed().isEmpty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        accept();
        emit chosen(m_path->text().trimmed(), m_overwrite->isChecked());
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(pathRow);
    layout->addWidget(m_overwrite);
    layout->addWidget(buttons);
}

void CarryOverDialog::browse(bool folder)
{
    auto *dialog = new QFileDialog(this, folder ? tr("Choose a Folder") : tr("Choose a File"));
    dialog->setFileMode(folder ? QFileDialog::Directory : QFileDialog::ExistingFile);
    if (!folder)
        dialog->setNameFilters({tr("XLIFF files (*.xliff)"), tr("All files (*)")});
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, m_path, &QLineEdit::setText);
    dialog->open();
}
