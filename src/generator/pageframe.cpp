#include "generator/pageframe.h"

#include "store/product.h"

QString Printed(const QString &text)
{
    return text + kCrLf;
}

QString BuildPageHead(const PageDesign &design)
{
    const auto rule = [](const PageFont &font) {
        return QStringLiteral("{font-family: ") + font.face + QStringLiteral("; font-size: ") + font.size
            + QStringLiteral("; color: ") + font.colour + QLatin1Char(';');
    };
    const QStringList lines = {
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"),
        QStringLiteral("<html><head><title>") + design.title + QStringLiteral("</title>"),
        QStringLiteral("<style type=\"text/css\">"),
        QStringLiteral("<!--"),
        QStringLiteral("/* Made with ") + QLatin1String(kApplicationTitle) + QStringLiteral(": ") + kSupportPageUrl
            + QStringLiteral(" */"),
        QStringLiteral("a{text-decoration:none}"),
        QStringLiteral("a:hover   ") + rule(design.hoverLink) + QStringLiteral(" text-decoration: underline;}"),
        QStringLiteral("a:link    ") + rule(design.link) + QStringLiteral(" text-decoration: none;}"),
        QStringLiteral("TD,TH,SELECT,TEXT     ") + rule(design.text) + QLatin1Char('}'),
        QStringLiteral("body   ") + rule(design.text) + QLatin1Char('}'),
        QStringLiteral("//-->"),
        QStringLiteral("</style>"),
        QStringLiteral("</head>"),
    };
    return lines.join(kCrLf) + kCrLf;
}

QString BuildBodyTag(const PageDesign &design)
{
    QString tag = QStringLiteral("<body TopMargin=\"0\" bottommargin=\"0\" rightmargin=\"0\" LeftMargin=\"0\" "
                                 "MarginHeight=\"0\" MarginWidth=\"0\" BGColor=")
        + design.backgroundColour;
    // The image goes in unquoted as an address: a space as %20; the page-value
    // check refuses the characters that would end the attribute.
    const QString image = design.backgroundImage;
    if (!image.isEmpty() && image.toLower() != QLatin1String("none"))
        tag += QStringLiteral(" Background=") + QString(image).replace(QLatin1Char(' '), QStringLiteral("%20"));
    tag += QLatin1Char('>');
    return tag.toLower() + kCrLf + kCrLf;
}

QString BuildPageStart(const PageDesign &design)
{
    return Printed(BuildPageHead(design)) + Printed(BuildBodyTag(design));
}

QString BuildTitleLine(const PageDesign &design, bool quotedAlignment)
{
    const QString align = quotedAlignment ? QStringLiteral("\"center\"") : QStringLiteral("center");
    return QStringLiteral("<div align=") + align + QStringLiteral("><font style=\"font-size: 23px;\">") + design.title
        + QStringLiteral("</font></div><br/><br/>");
}

QString BuildClosingLines()
{
    return QStringLiteral("</body>") + kCrLf + QStringLiteral("</html>");
}

QString BuildTableStart(const PageDesign &design, int cellPadding)
{
    const QString border = design.tableBorder ? design.tableBorderWidth : QStringLiteral("\"0\"");
    return QStringLiteral("<table border=") + border + QStringLiteral(" width=") + design.tableWidth
        + QStringLiteral(" cellpadding=\"") + QString::number(cellPadding)
        + QStringLiteral("\" cellspacing=\"0\" align=\"center\" valign=\"top\">");
}

bool IsTextareaField(const GuestbookField &field)
{
    return field.FieldType == QLatin1String("Textarea");
}

QString FieldControlName(const GuestbookField &field)
{
    const QString prefix = IsTextareaField(field) ? QStringLiteral("txta") : QStringLiteral("txt");
    return prefix + SpacesToUnderscores(field.FieldName);
}
