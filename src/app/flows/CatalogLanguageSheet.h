#pragma once

#include <QDialog>
#include <QString>

class QListWidget;

/// Asks which language of a String Catalog to translate: a window-modal sheet listing every
/// language with how many of its units are translated. Choosing one emits `chosen`.
class CatalogLanguageSheet : public QDialog
{
    Q_OBJECT

public:
    /// Lists the languages of the catalog `bytes`; `path` names it in the sheet's text.
    CatalogLanguageSheet(QWidget *parent, const QString &path, QByteArrayView bytes);

    /// Opens the sheet for the catalog at `path` on `window`; the language chosen goes to
    /// `receiver`'s `slot` with the path. False, and no sheet, when the file offers none.
    template <typename Receiver>
    static bool ask(QWidget *window, const QString &path, Receiver *receiver,
                    void (Receiver::*slot)(const QString &, const QString &))
    {
        auto *sheet = create(window, path);
        if (!sheet)
            return false;
        connect(sheet, &CatalogLanguageSheet::chosen, receiver, slot);
        sheet->open();
        return true;
    }

    /// Languages listed.
    int count() const;
    /// Chooses the language on `row` as a click on Open would.
    void choose(int row);

private:
    /// A sheet that deletes itself when closed, or null when the file offers no language.
    static CatalogLanguageSheet *create(QWidget *window, const QString &path);

signals:
    void chosen(const QString &path, const QString &language);

private:
    QString m_path;
    QListWidget *m_list = nullptr;
};
