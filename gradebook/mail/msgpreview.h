#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

namespace Cortelle {

namespace Ui {
class TForm_MsgPreview;
}

// One letter of the preview: whom it goes to and its lines.
struct TPreviewPage
{
    QString Recipient;
    QStringList Lines;
};

// The letter preview. It pages through the letters with "<" and ">"; the teacher confirms them all
// with "No Problem,Send it". Changes made to the text here go nowhere.
class TForm_MsgPreview : public QDialog
{
    Q_OBJECT

public:
    explicit TForm_MsgPreview(QWidget* parent = nullptr);
    ~TForm_MsgPreview() override;

    // Shows the letter to one recipient; true when the teacher confirmed.
    bool ShowPreview(const QString& sender, const QString& recipient, const QStringList& lines);
    // Shows the first page, the others a click away; true when the teacher confirmed.
    bool ShowPreview(const QString& sender, const QList<TPreviewPage>& pages);

private:
    void ShowPage(qsizetype index);

    std::unique_ptr<Ui::TForm_MsgPreview> ui;
    QList<TPreviewPage> m_pages;
    qsizetype m_page = 0;
};

} // namespace Cortelle
