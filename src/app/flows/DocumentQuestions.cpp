#include "app/flows/DocumentQuestions.h"

#include "app/flows/ConfirmSheet.h"

void DocumentQuestions::openOver(ConfirmSheet &sheet, bool unsaved)
{
    if (!unsaved) {
        sheet.setQuestion(tr("Open Another Document?"),
                          tr("The table already shows a document. Opening another one "
                             "replaces it."),
                          tr("Open"), false);
        return;
    }
    sheet.setQuestion(tr("Save Changes Before Opening Another Document?"),
                      tr("The document has changes that have not been saved. If you don't "
                         "save them, they are lost when the other document opens."),
                      tr("Don't Save"), true);
}

void DocumentQuestions::quit(ConfirmSheet &sheet)
{
    sheet.setQuestion(tr("Save Changes Before Quitting?"),
                      tr("The document has changes that have not been saved. If you don't "
                         "save them, they are lost."),
                      tr("Don't Save"), true);
}
