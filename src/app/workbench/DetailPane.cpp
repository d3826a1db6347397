#include "app/workbench/DetailPane.h"

#include "app/workbench/TargetEditor.h"
#include "app/workbench/UnitTableModel.h"
#include "document/NoteParts.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextOption>

using namespace Qt::StringLiterals;

namespace {

QString noteHtml(const QString &note)
{
    const QList<NoteParts::Part> parts = NoteParts::split(note);
    if (parts.isEmpty())
        return note.toHtmlEscaped().replace(u'\n', u"<br>"_s);
    QString html = u"<table cellspacing=\"0\" cellpadding=\"1\">"_s;
    for (const NoteParts::Part &part : parts) {
        html += u"<tr><td><i>%1</i>&nbsp;&nbsp;</td><td>%2</td></tr>"_s.arg(
            part.key.toHtmlEscaped(), part.value.toHtmlEscaped());
    }
    return html + u"</table>"_s;
}

} // namespace

DetailPane::DetailPane(UnitTableModel &units, QWidget *parent) : QWidget(parent), m_units(units)
{
    setObjectName(u"detailPane"_s);
    m_file = new QLabel(this);
    m_file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_file->setWordWrap(true);

    m_source = new QPlainTextEdit(this);
    m_source->setObjectName(u"detailSource"_s);
    m_source->setReadOnly(true);
    m_source->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QTextOption option = m_source->document()->defaultTextOption();
    option.setFlags(option.flags() | QTextOption::ShowTabsAndSpaces |
                    QTextOption::ShowLineAndParagraphSeparators);
    m_source->document()->setDefaultTextOption(option);

    m_note = new QLabel(this);
    m_note->setObjectName(u"detailNote"_s);
    m_note->setTextFormat(Qt::RichText);
    m_note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_note->setWordWrap(true);
    m_note->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_problems = new QLabel(this);
    m_problems->setObjectName(u"detailProblems"_s);
    m_problems->setTextFormat(Qt::PlainText);
    m_problems->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_problems->setWordWrap(true);
    m_accept = new QPushButton(tr("Accept Warnings"), this);
    m_accept->setObjectName(u"acceptWarnings"_s);
    m_accept->setToolTip(tr("Keep this unit's warnings as they are: they are no longer counted "
                            "and ask again only when the source changes."));
    m_problemsRow = new QWidget(this);
    auto *problemsLayout = new QHBoxLayout(m_problemsRow);
    problemsLayout->setContentsMargins(0, 0, 0, 0);
    problemsLayout->addWidget(m_problems, 1);
    problemsLayout->addWidget(m_accept, 0, Qt::AlignTop);
    connect(m_accept, &QPushButton::clicked, this, [this] {
        if (m_index.isValid())
            emit acceptRequested(m_index);
    });

    m_target = new TargetEditor(this);
    // A few lines each; the splitter above gives the table the rest.
    const int lines = 4;
    for (QPlainTextEdit *text : {m_source, static_cast<QPlainTextEdit *>(m_target)}) {
        const int margins = 2 * (text->frameWidth() + int(text->document()->documentMargin()));
        text->setMinimumHeight(2 * text->fontMetrics().lineSpacing() + margins);
        text->setMaximumHeight(lines * text->fontMetrics().lineSpacing() + margins);
    }

    auto *layout = new QFormLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    layout->addRow(tr("File:"), m_file);
    layout->addRow(tr("Source:"), m_source);
    layout->addRow(tr("Note:"), m_note);
    layout->addRow(tr("Target:"), m_target);
    layout->addRow(tr("Problems:"), m_problemsRow);
    layout->setRowVisible(m_problemsRow, false);

    connect(m_target, &TargetEditor::commitRequested, this, &DetailPane::commit);
    connect(m_target, &TargetEditor::revertRequested, this, [this] {
        m_target->document()->setModified(false);
        refresh();
    });
    showUnit({});
}

void DetailPane::showUnit(const QModelIndex &sourceIndex)
{
    if (m_index.isValid() && m_index.row() != sourceIndex.row() && m_target->isModified())
        commit(EditAdvance::Stay);
    m_index = sourceIndex;
    m_target->document()->setModified(false);
    refresh();
}

void DetailPane::refresh()
{
    const UnitRecord *unit = m_index.isValid() ? m_units.record(m_index.row()) : nullptr;
    m_target->setEnabled(unit != nullptr);
    if (!unit) {
        m_file->clear();
        m_source->clear();
        m_note->clear();
        m_target->setTarget({});
        return;
    }
    m_file->setText(unit->from.value_or(QString()));
    m_source->setPlainText(unit->rawSource().value_or(QString()));
    showNote(unit->note);
    if (!m_target->isModified())
        m_target->setTarget(unit->rawTarget().value_or(QString()));
}

void DetailPane::showNote(const std::optional<QString> &note)
{
    m_note->setText(note ? noteHtml(*note) : QString());
}

void DetailPane::commit(EditAdvance advance)
{
    if (!m_index.isValid())
        return;
    const QModelIndex index = m_index;
    const QString text = m_target->toPlainText();
    m_target->document()->setModified(false);
    emit commitRequested(index, text, advance);
}

void DetailPane::showProblems(const QString &messages, bool acceptable)
{
    m_problems->setText(messages);
    m_accept->setVisible(acceptable);
    static_cast<QFormLayout *>(layout())->setRowVisible(m_problemsRow, !messages.isEmpty());
}
