#include "generator/preview.h"

#include "generator/modernpages.h"
#include "generator/pagecodepage.h"
#include "generator/pagetexts.h"
#include "generator/pagevalues.h"
#include "generator/signpage.h"
#include "generator/viewpage.h"
#include "store/applog.h"
#include "store/atomicfile.h"
#include "store/programfolder.h"
#include "store/staletemporaries.h"

#include <QLocale>
#include <QTemporaryDir>

namespace {

const QString kSampleValue = QStringLiteral("Sample entry");
const QString kLineBreakValue = QStringLiteral("Sample entry\r\non two lines");
const QString kMarkupValue = QStringLiteral("Sample entry with <b>bold</b> text");
// What the view page's script shows for a stored line break and puts after an item.
const QString kShownReturn = QStringLiteral(" <br> ");
const QString kItemEnd = QStringLiteral("<br/>");

// The field that shows the sample line break and markup: the last multi-line
// field, or the last field when there is none.
qsizetype showcaseField(const QList<GuestbookField> &fields)
{
    for (qsizetype i = fields.size() - 1; i >= 0; --i) {
        if (IsTextareaField(fields.at(i)))
            return i;
    }
    return fields.size() - 1;
}

// CStr(Now()) on a server with English settings.
QString serverDate(const QDateTime &moment)
{
    return QLocale::c().toString(moment, QStringLiteral("M/d/yyyy h:mm:ss AP"));
}

// One line of guestbook.txt: the last field's item first, the date item last.
QString storedLine(const QList<GuestbookField> &fields, const QStringList &values, const QDateTime &moment,
                   const QString &dateWord)
{
    QStringList items;
    for (qsizetype i = fields.size() - 1; i >= 0; --i) {
        QString value = values.at(i);
        value.replace(QStringLiteral("\r\n"), kStoredReturnMarker)
            .replace(QLatin1Char('\r'), kStoredReturnMarker)
            .replace(QLatin1Char('\n'), kStoredReturnMarker);
        items << fields.at(i).FieldName + QStringLiteral(" : ") + value;
    }
    items << dateWord + QStringLiteral(" : ") + serverDate(moment);
    return items.join(kStoredItemSeparator);
}

// Server.HTMLEncode of the view page's script: the four markup characters by
// name, and every character from U+00A0 to U+00FF by its number.
QString htmlEncoded(const QString &text)
{
    QString encoded = text.toHtmlEscaped();
    for (qsizetype i = encoded.size() - 1; i >= 0; --i) {
        const ushort code = encoded.at(i).unicode();
        if (code >= 0xa0 && code <= 0xff)
            encoded.replace(i, 1, QStringLiteral("&#%1;").arg(code));
    }
    return encoded;
}

}  // namespace

QStringList SampleEntryLines(const QList<GuestbookField> &fields, const QDateTime &newest, const QString &dateWord)
{
    QStringList older(fields.size(), kSampleValue);
    QStringList newer = older;
    const qsizetype showcase = showcaseField(fields);
    if (showcase >= 0) {
        older[showcase] = kLineBreakValue;
        newer[showcase] = kMarkupValue;
    }
    return {storedLine(fields, older, newest.addDays(-1), dateWord), storedLine(fields, newer, newest, dateWord)};
}

QString RenderedEntries(const QStringList &storedLines)
{
    QString printLine;
    for (const QString &line : storedLines) {
        for (const QString &item : line.split(kStoredItemSeparator))
            printLine = htmlEncoded(item) + kItemEnd + printLine;
        printLine = kItemEnd + printLine;
    }
    return printLine.replace(kStoredReturnMarker, kShownReturn);
}

PreviewPages BuildPreviewPages(const SiteDescription &site, const QDateTime &newestEntry)
{
    const QList<GuestbookField> &fields = site.design.fields;
    if (site.modern)
        return {BuildModernSignPage(site),
                BuildModernViewPage(site, ModernRenderedEntries(SampleEntryLines(fields, newestEntry)))};
    const QString dateWord = site.texts.text(PageText::DateItem);
    return {BuildSignPage(site), BuildViewPage(site, RenderedEntries(SampleEntryLines(fields, newestEntry, dateWord)))};
}

PreviewFolder WritePreview(const GuestbookProject &project, const QString &parent, const QDateTime &newestEntry)
{
    PreviewFolder result;
    const SiteDescription site(project, SiteTarget::Preview);
    const PageCodePage &codePage = site.codePage;
    const UserText refused = PageValuesProblem(project, codePage);
    if (!refused.isNull()) {
        result.outcome = GenerationOutcome::failure(refused);
        return result;
    }
    QTemporaryDir folder(ProgramFolder::withTrailingSeparator(parent) + kPreviewFolderPrefix
                         + QStringLiteral("XXXXXX"));
    if (!folder.isValid()) {
        const UserText reason(QT_TRANSLATE_NOOP("UserText", "The preview folder could not be made in %1: %2"));
        result.outcome = GenerationOutcome::failure(reason.arg(parent).arg(folder.errorString()));
        return result;
    }
    const PreviewPages pages = BuildPreviewPages(site, newestEntry);
    // The marker comes first: a preview killed while written is still this program's to clear away.
    WriteResult written = AtomicFile::write(folder.filePath(kPreviewMarkerName), kPreviewMarkerText);
    if (written.succeeded())
        written = AtomicFile::writeSet({{folder.filePath(kPreviewSignPage), codePage.encode(pages.signPage)},
                                        {folder.filePath(kPreviewViewPage), codePage.encode(pages.viewPage)}});
    if (!written.succeeded()) {
        result.outcome = GenerationOutcome::failure(written.errorText);
        return result;
    }
    folder.setAutoRemove(false);
    result.folder = QDir::toNativeSeparators(folder.path());
    result.signPage = QDir::toNativeSeparators(folder.filePath(kPreviewSignPage));
    WriteLog(QStringLiteral("Preview written to ") + result.folder);
    return result;
}
