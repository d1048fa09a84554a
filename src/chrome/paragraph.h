#pragma once

#include <QTextLayout>
#include <QWidget>

// A paragraph of plain text wrapped at the widget's width, laid out once for that
// width and drawn from that layout (a word-wrapped label lays its text out anew for
// every size question and every paint). Screen readers read it as static text.
class Paragraph : public QWidget
{
public:
    Paragraph(const QString &text, const QFont &font, QWidget *parent);

    QString text() const { return m_layout.text(); }
    // Gives the widget the width and the height its wrapped lines need.
    void setWidth(int width);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTextLayout m_layout;
};
