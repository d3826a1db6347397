#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

/// The notice that a newer version of the application is out, with a button that leads to
/// the product page.
class QORVNews : public QDialog
{
    Q_OBJECT

public:
    explicit QORVNews(const QString &applicationName, QWidget *parent = nullptr);

    QPushButton *productPageButton() const { return m_productPage; }

signals:
    void productPageRequested();

private:
    QPushButton *m_productPage = nullptr;
};
