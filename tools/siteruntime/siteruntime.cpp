#include "siteruntime.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The Unix locale whose code page Wine takes as its ANSI code page.
QString localeFor(const QString &codePage)
{
    const QString name = codePage.toLower();
    if (name == QLatin1String("windows-1251"))
        return QStringLiteral("ru_RU.UTF-8");
    if (name == QLatin1String("gbk"))
        return QStringLiteral("zh_CN.UTF-8");
    return name == QLatin1String("windows-1252") ? QStringLiteral("en_US.UTF-8") : QString();
}

// The path under Wine's drive Z:, which is the Unix root.
QString windowsPath(const QString &path)
{
    return QStringLiteral("Z:") + QDir::cleanPath(path).replace(QLatin1Char('/'), QLatin1Char('\\'));
}

// A VBScript expression for text: quoted runs, control characters as Chr(n).
QString vbText(const QString &text)
{
    QStringList parts;
    QString run;
    for (const QChar c : text) {
        if (c.unicode() >= 32) {
            run += c == QLatin1Char('"') ? QStringLiteral("\"\"") : QString(c);
            continue;
        }
        if (!run.isEmpty())
            parts << QLatin1Char('"') + run + QLatin1Char('"');
        run.clear();
        parts << QStringLiteral("Chr(%1)").arg(c.unicode());
    }
    if (!run.isEmpty() || parts.isEmpty())
        parts << QLatin1Char('"') + run + QLatin1Char('"');
    return parts.join(QStringLiteral(" & "));
}

bool holds(const QString &codePage, const QString &text)
{
    QStringEncoder encoder(codePage.toLatin1().constData());
    const QByteArray encoded = encoder.encode(text);
    return !encoder.hasError();
}

// The line with its string literals' text masked and its comment blanked, keeping
// every position, for finding code in it.
QString codeOnly(const QString &line)
{
    QString code = line;
    bool inString = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        if (code.at(i) == QLatin1Char('"'))
            inString = !inString;
        else if (inString)
            code[i] = QLatin1Char('x');
        else if (code.at(i) == QLatin1Char('\''))
            return code.left(i) + QString(code.size() - i, QLatin1Char(' '));
    }
    return code;
}

// The file object's OpenTextFile and CreateTextFile named after their number of
// arguments (see AspFileSystem); a call not closed on its line stays as it is.
QString withArgumentCounts(QString line)
{
    static const QRegularExpression call(QStringLiteral("\\.(?:opentextfile|createtextfile)(\\s*\\()"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QString code = codeOnly(line);
    QList<QPair<qsizetype, int>> counts;
    for (const QRegularExpressionMatch &match : call.globalMatch(code)) {
        int depth = 0, arguments = 0;
        qsizetype at = match.capturedEnd();
        for (; at < code.size() && !(depth == 0 && code.at(at) == QLatin1Char(')')); ++at) {
            const QChar c = code.at(at);
            depth += c == QLatin1Char('(') ? 1 : c == QLatin1Char(')') ? -1 : 0;
            if (depth == 0 && c == QLatin1Char(','))
                ++arguments;
            else if (arguments == 0 && !c.isSpace())
                arguments = 1;
        }
        if (at < code.size())
            counts.prepend({match.capturedStart(1), arguments});
    }
    for (const auto &[at, arguments] : counts)
        line.insert(at, QString::number(arguments));
    return line;
}

// Text that the server's code page cannot hold reaches the program as an entry
// of a Unicode file read at its start (Wine reads the program in that code page,
// and its engine has no ChrW to spell such a character).
class SiteTexts
{
public:
    explicit SiteTexts(const QString &serverCodePage)
        : m_codePage(serverCodePage)
    {
    }
    // A VBScript expression for the text.
    QString expression(const QString &text)
    {
        if (holds(m_codePage, text))
            return vbText(text);
        m_texts << text;
        return QStringLiteral("AspTexts(%1)").arg(m_texts.size() - 1);
    }
    // The line with each string literal that the code page cannot hold replaced by
    // its entry.
    QString inCode(const QString &line)
    {
        if (holds(m_codePage, line))
            return line;
        QString code;
        qsizetype start = -1;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line.at(i);
            if (start < 0 && c == QLatin1Char('\''))
                return code + line.mid(i);
            if (c != QLatin1Char('"')) {
                if (start < 0)
                    code += c;
            } else if (start < 0) {
                start = i;
            } else if (line.mid(i + 1, 1) == QLatin1String("\"")) {
                ++i;
            } else {
                const QString literal = line.mid(start, i + 1 - start);
                const QString text =
                    literal.mid(1, literal.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
                code += holds(m_codePage, literal) ? literal : expression(text);
                start = -1;
            }
        }
        return start < 0 ? code : code + line.mid(start);
    }
    // The statement that loads the entries, empty when there are none.
    QString loading(const QString &path) const
    {
        QStringList lengths;
        for (const QString &text : m_texts)
            lengths << QString::number(text.size());
        return m_texts.isEmpty()
            ? QString()
            : QStringLiteral("LoadTexts %1, \"%2\"").arg(vbText(path), lengths.join(QLatin1Char(' '))) + kCrLf;
    }
    QByteArray file() const
    {
        return QByteArray::fromHex("fffe") + QStringEncoder(QStringEncoder::Utf16LE).encode(m_texts.join(QString()));
    }

private:
    QString m_codePage;
    QStringList m_texts;
};

// A code line as the engine runs it: Response.End as the runtime's, the file
// object's calls by their number of arguments, text beyond the code page as entries.
QString scriptCode(const QString &line, SiteTexts &texts)
{
    static const QRegularExpression responseEnd(QStringLiteral("\\bresponse\\.end\\b"),
                                                QRegularExpression::CaseInsensitiveOption);
    return texts.inCode(withArgumentCounts(QString(line).replace(responseEnd, QStringLiteral("Response.EndPage"))));
}

// A code line of the page, preceded by the statement that records its line, where
// a statement may stand (not inside a continued line, not before a Case).
QString codeLine(const QString &line, int number, bool continued, SiteTexts &texts)
{
    static const QRegularExpression caseLine(QStringLiteral("^\\s*case\\b"), QRegularExpression::CaseInsensitiveOption);
    const QString code = scriptCode(line, texts);
    if (continued || code.trimmed().isEmpty() || caseLine.match(code).hasMatch())
        return code + kCrLf;
    return QStringLiteral("AspLine = %1").arg(number) + kCrLf + code + kCrLf;
}

// The code page that the page's directive names, as in <%@ CodePage=65001 %>; empty
// when it names none.
QString directiveCodePage(const QByteArray &page)
{
    static const QRegularExpression directive(QStringLiteral("^\\s*<%@[^%]*\\bcodepage\\s*=\\s*\"?([0-9]+)"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QString number = directive.match(QString::fromLatin1(page.left(300))).captured(1);
    if (number.isEmpty())
        return {};
    return number == QLatin1String("65001") ? QStringLiteral("UTF-8")
        : number == QLatin1String("936")    ? QStringLiteral("GBK")
                                            : QStringLiteral("windows-") + number;
}

QString readPrelude()
{
    QFile file(QStringLiteral(QUILLSET_SITE_PRELUDE));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The Sub and Function declarations of the pages, which VBScript takes at the top
// level only, where a page runs in a procedure.
struct Declarations {
    QHash<QString, QString> kept;  // each name's first declaration, as the page has it
    QString text;
    bool inside = false;  // the lines belong to a declaration
    QString name, lines;  // its name and lines so far
    // On IIS each page has its own names: a page's declaration of a name that an
    // earlier page declared otherwise is kept under the name with the suffix, and
    // the page calls it so.
    QStringList renamed;
    QString suffix;
};

// The line with the page's renamed declarations called by their new names.
QString withOwnNames(QString line, const Declarations &declarations)
{
    for (const QString &name : declarations.renamed) {
        const QRegularExpression word(QStringLiteral("\\b") + name + QStringLiteral("\\b"),
                                      QRegularExpression::CaseInsensitiveOption);
        QList<qsizetype> ends;
        for (const QRegularExpressionMatch &match : word.globalMatch(codeOnly(line)))
            ends.prepend(match.capturedEnd());
        for (const qsizetype end : ends)
            line.insert(end, declarations.suffix);
    }
    return line;
}

// Moves a line that starts or continues a declaration to the declarations.
bool declared(const QString &line, Declarations &declarations, SiteTexts &texts)
{
    static const QRegularExpression start(QStringLiteral("^\\s*(?:private\\s+|public\\s+)?(?:function|sub)\\s+(\\w+)"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression end(QStringLiteral("^\\s*end\\s+(?:function|sub)\\b"),
                                        QRegularExpression::CaseInsensitiveOption);
    if (!declarations.inside) {
        const QRegularExpressionMatch match = start.match(line);
        if (!match.hasMatch())
            return false;
        declarations.inside = true;
        declarations.name = match.captured(1).toLower();
        declarations.lines.clear();
    }
    declarations.lines += line + kCrLf;
    if (!end.match(line).hasMatch())
        return true;
    declarations.inside = false;
    if (!declarations.kept.contains(declarations.name)) {
        declarations.kept.insert(declarations.name, declarations.lines);
        for (const QString &kept : declarations.lines.split(kCrLf, Qt::SkipEmptyParts))
            declarations.text += scriptCode(kept, texts) + kCrLf;
    }
    return true;
}

// The page as the body of a VBScript procedure: literal text written out, "<%= %>"
// written, "<% %>" kept as code with the page's line recorded before each statement.
QString translate(const QString &page, Declarations &declarations, SiteTexts &texts)
{
    QString out;
    int line = 1;
    qsizetype at = 0;
    while (at < page.size()) {
        const qsizetype open = page.indexOf(QStringLiteral("<%"), at);
        const QString literal = page.mid(at, open < 0 ? -1 : open - at);
        if (!literal.isEmpty())
            out += QStringLiteral("Response.Write ") + texts.expression(literal) + kCrLf;
        line += int(literal.count(QLatin1Char('\n')));
        if (open < 0)
            break;
        qsizetype close = page.indexOf(QStringLiteral("%>"), open + 2);
        if (close < 0)
            close = page.size();
        const QString code = page.mid(open + 2, close - open - 2);
        if (code.startsWith(QLatin1Char('='))) {
            out += codeLine(withOwnNames(QStringLiteral("Response.Write ") + code.mid(1), declarations), line, false,
                            texts);
        } else if (!code.startsWith(QLatin1Char('@'))) {
            bool continued = false;
            int number = line;
            for (const QString &codeText : code.split(QLatin1Char('\n'))) {
                QString text = withOwnNames(codeText, declarations);
                if (text.endsWith(QLatin1Char('\r')))
                    text.chop(1);
                if (declared(text, declarations, texts)) {
                    ++number;
                    continue;
                }
                out += codeLine(text, number++, continued, texts);
                continued = text.trimmed().endsWith(QLatin1Char('_'));
            }
        }
        line += int(code.count(QLatin1Char('\n')));
        at = close + 2;
    }
    return out;
}

// Every UTF-16 unit in order behind a byte order mark, for AscW beyond the code page.
QByteArray everyUnit()
{
    QByteArray units("\xff\xfe");
    for (int unit = 0; unit <= 0xffff; ++unit)
        units.append(char(unit & 0xff)).append(char(unit >> 8));
    return units;
}

// Writes each file of the run's folder; false when one could not be written.
bool writeFiles(const QList<QPair<QString, QByteArray>> &files)
{
    for (const auto &[path, bytes] : files) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 || !file.flush())
            return false;
    }
    return true;
}

}  // namespace

QString SiteEngineFolder()
{
    return QStringLiteral(QUILLSET_WINE_FOLDER);
}

QString SiteEnginePath(const QString &path)
{
    return windowsPath(path);
}

void StartSiteEngine(QProcess &engine, const QString &script, const QString &codePage)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("WINEPREFIX"), SiteEngineFolder() + QStringLiteral("/prefix"));
    environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all,fixme+vbscript"));
    environment.insert(QStringLiteral("WINEDLLOVERRIDES"), QStringLiteral("mscoree,mshtml="));
    environment.insert(QStringLiteral("LOCPATH"), SiteEngineFolder() + QStringLiteral("/locale"));
    environment.insert(QStringLiteral("LC_ALL"), localeFor(codePage));
    engine.setProcessEnvironment(environment);
    engine.start(QStringLiteral("wine"),
                 {QStringLiteral("cscript"), QStringLiteral("//nologo"), QStringLiteral("//B"), windowsPath(script)});
}

SiteRuntime::SiteRuntime(const QString &folder, const QString &codePage)
    : m_folder(folder)
    , m_codePage(codePage)
{
}

QString SiteRuntime::pageCodePage(const QString &page) const
{
    QFile file(QDir(m_folder).filePath(page));
    const QString named = file.open(QIODevice::ReadOnly) ? directiveCodePage(file.read(300)) : QString();
    return named.isEmpty() ? m_codePage : named;
}

bool SiteRuntime::servedInUnicode(const QString &page) const
{
    return pageCodePage(page).compare(m_codePage, Qt::CaseInsensitive) != 0;
}

QString SiteRuntime::posted(const QString &value, const QString &page) const
{
    const QString codePage = pageCodePage(page);
    if (holds(codePage, value))
        return value;
    QString result;
    for (const uint code : value.toUcs4()) {
        const QString character = QString::fromUcs4(reinterpret_cast<const char32_t *>(&code), 1);
        result += holds(codePage, character) ? character : QStringLiteral("&#%1;").arg(code);
    }
    return result;
}

// The Unicode of each double-byte character of the code page, one line per lead
// byte (0 to 255) with one number per trail byte (0 to 255), 0 where none; empty
// for a single-byte code page.
QByteArray SiteRuntime::doubleByteTable() const
{
    const auto unicodeOf = [this](const QByteArray &bytes) {
        QStringDecoder decoder(m_codePage.toLatin1().constData(), QStringDecoder::Flag::Stateless);
        const QString character = decoder.decode(bytes);
        return character.size() == 1 && character.at(0) != QChar::ReplacementCharacter ? character.at(0).unicode() : 0;
    };
    QByteArray table;
    bool any = false;
    for (int lead = 0; lead <= 0xff; ++lead) {
        // A byte that is a character of its own leads no pair.
        const bool leads = lead >= 0x80 && unicodeOf(QByteArray(1, char(lead))) == 0;
        QStringList codes;
        for (int trail = 0; trail <= 0xff; ++trail) {
            const uint code = leads ? unicodeOf(QByteArray(1, char(lead)) + char(trail)) : 0;
            any = any || code != 0;
            codes << QString::number(code);
        }
        table += codes.join(QLatin1Char(' ')).toLatin1() + "\r\n";
    }
    return any ? table : QByteArray();
}

// Server.HTMLEncode's table: each character of the code page from U+00A0 to U+00FF
// that it holds in one byte, and its numbered reference; and AscW's: the Unicode of
// each byte of the code page.
QString SiteRuntime::encodingTable() const
{
    QStringDecoder decoder(m_codePage.toLatin1().constData());
    QStringList pairs;
    QStringList characters;
    QStringList codes;
    for (int byte = 0; byte <= 0xff; ++byte) {
        const QString character = decoder.decode(QByteArray(1, char(byte)));
        const uint code = character.isEmpty() ? 0 : character.at(0).unicode();
        codes << QString::number(code);
        if (byte < 0x80)
            continue;
        if (code >= 0xa0 && code <= 0xff) {
            pairs << QStringLiteral("Chr(%1), \"&#%2;\"").arg(byte).arg(code);
            characters << QStringLiteral("Chr(%1)").arg(byte);
        }
    }
    return QStringLiteral("Dim AspNumbered, AspHighCharacters, AspUnicode") + kCrLf
        + QStringLiteral("AspUnicode = Array(") + codes.join(QStringLiteral(", ")) + QLatin1Char(')') + kCrLf
        + QStringLiteral("AspNumbered = Array(") + pairs.join(QStringLiteral(", ")) + QLatin1Char(')') + kCrLf
        + QStringLiteral("Set AspHighCharacters = New RegExp") + kCrLf + QStringLiteral("AspHighCharacters.Pattern = ")
        + (characters.isEmpty()
               ? QStringLiteral("\"[^\\s\\S]\"")  // matches nothing
               : QStringLiteral("\"[\" & ") + characters.join(QStringLiteral(" & ")) + QStringLiteral(" & \"]\""))
        + kCrLf;
}

QString SiteRuntime::program(const QList<SiteRequest> &requests, const QString &answers, QByteArray &textsFile) const
{
    SiteTexts texts(m_codePage);
    QString text;
    QStringList pages;
    for (const SiteRequest &request : requests) {
        if (!pages.contains(request.page))
            pages << request.page;
    }
    Declarations declarations;
    for (int i = 0; i < pages.size(); ++i) {
        QFile file(QDir(m_folder).filePath(pages.at(i)));
        QStringDecoder decoder(pageCodePage(pages.at(i)).toLatin1().constData());
        const QString page = file.open(QIODevice::ReadOnly) ? decoder.decode(file.readAll()) : QString();
        Declarations own;
        SiteTexts unused(m_codePage);
        translate(page, own, unused);
        declarations.renamed.clear();
        declarations.suffix = QStringLiteral("_Page%1").arg(i);
        for (auto name = own.kept.cbegin(); name != own.kept.cend(); ++name) {
            if (declarations.kept.value(name.key(), name.value()) != name.value())
                declarations.renamed << name.key();
        }
        // A page runs in a procedure of its own; the one that serves it catches
        // Response.End and Redirect, and the page's errors.
        text += QStringLiteral("Sub Page%1").arg(i) + kCrLf + translate(page, declarations, texts)
            + QStringLiteral("End Sub") + kCrLf;
        text += QStringLiteral("Sub ServePage%1(resultPath)").arg(i) + kCrLf + QStringLiteral("On Error Resume Next")
            + kCrLf + QStringLiteral("Page%1").arg(i) + kCrLf
            + QStringLiteral("FinishRequest resultPath, Err.Number, Err.Description") + kCrLf
            + QStringLiteral("End Sub") + kCrLf;
    }
    text += declarations.text;
    text += QStringLiteral("AspStopAfter = %1 : AspNoCreate = %2").arg(m_stopAfter).arg(m_noCreate ? "True" : "False")
        + kCrLf;
    for (int i = 0; i < requests.size(); ++i) {
        const SiteRequest &request = requests.at(i);
        const QString answer = windowsPath(answers + QStringLiteral("/%1").arg(i));
        text += QStringLiteral("BeginRequest %1, %2, %3, %4, %5, %6")
                    .arg(vbText(request.method), vbText(request.page), vbText(request.visitor),
                         vbText(answer + QStringLiteral(".body")))
                    .arg(request.wait)
                    .arg(servedInUnicode(request.page) ? QStringLiteral("True") : QStringLiteral("False"))
            + kCrLf;
        for (const auto &[name, value] : request.form)
            text += QStringLiteral("AddFormValue %1, %2")
                        .arg(texts.expression(name), texts.expression(posted(value, request.page)))
                + kCrLf;
        for (const auto &[name, value] : request.query)
            text += QStringLiteral("AddValue Request.QueryValues, %1, %2")
                        .arg(texts.expression(name), texts.expression(posted(value, request.page)))
                + kCrLf;
        text += QStringLiteral("ServePage%1 %2")
                    .arg(pages.indexOf(request.page))
                    .arg(vbText(answer + QStringLiteral(".result")))
            + kCrLf;
    }
    textsFile = texts.file();
    return readPrelude() + encodingTable() + QStringLiteral("Server.Root = ") + vbText(windowsPath(m_folder)) + kCrLf
        + QStringLiteral("AspLockedWrites = ") + (m_lockedWrites ? QStringLiteral("True") : QStringLiteral("False"))
        + kCrLf + QStringLiteral("AspDoubleByteTable = ")
        + vbText(windowsPath(answers + QStringLiteral("/doublebyte.txt"))) + kCrLf + QStringLiteral("AspUnitsFile = ")
        + vbText(windowsPath(answers + QStringLiteral("/units.txt"))) + kCrLf
        + texts.loading(windowsPath(answers + QStringLiteral("/texts.txt"))) + text;
}

QList<SiteAnswer> SiteRuntime::run(const QList<SiteRequest> &requests, int timeoutMs)
{
    QList<SiteAnswer> answers(requests.size());
    const QString locale = localeFor(m_codePage);
    QTemporaryDir work;
    QByteArray texts;
    const QString script = work.filePath(QStringLiteral("site.vbs"));
    const QByteArray program =
        QStringEncoder(m_codePage.toLatin1().constData()).encode(this->program(requests, work.path(), texts));
    if (locale.isEmpty()
        || !writeFiles({{work.filePath(QStringLiteral("doublebyte.txt")), doubleByteTable()},
                        {work.filePath(QStringLiteral("texts.txt")), texts},
                        {work.filePath(QStringLiteral("units.txt")), everyUnit()},
                        {script, program}})) {
        for (SiteAnswer &answer : answers)
            answer.error = QStringLiteral("The program could not be written for code page ") + m_codePage;
        return answers;
    }

    QProcess engine;
    StartSiteEngine(engine, script, m_codePage);
    const bool finished = engine.waitForFinished(timeoutMs);
    if (!finished)
        engine.kill();
    // Wine's engine reports a script that does not compile only in its debug output.
    const QString output = QString::fromLocal8Bit(engine.readAllStandardError());
    static const QRegularExpression parserError(QStringLiteral("parser_error.*"));
    const QString compileError = parserError.match(output).captured(0);

    QStringDecoder decoder(m_codePage.toLatin1().constData());
    for (int i = 0; i < requests.size(); ++i) {
        SiteAnswer &answer = answers[i];
        QFile result(work.filePath(QStringLiteral("%1.result").arg(i)));
        if (!result.open(QIODevice::ReadOnly)) {
            answer.error = !finished      ? QStringLiteral("The engine timed out")
                : !compileError.isEmpty() ? QStringLiteral("The program does not compile: ") + compileError
                                          : QStringLiteral("No answer: ") + engine.errorString() + output.right(500);
            continue;
        }
        const QStringList head = QString(decoder.decode(result.readAll())).split(kCrLf);
        answer.status = head.value(0);
        answer.redirect = head.value(1);
        answer.cacheControl = head.value(2);
        answer.error = head.value(3);
        answer.charSet = head.value(4);
        QFile body(work.filePath(QStringLiteral("%1.body").arg(i)));
        const QByteArray written = body.open(QIODevice::ReadOnly) ? body.readAll() : QByteArray();
        if (servedInUnicode(requests.at(i).page)) {
            // Written in the Unicode format; the server sends it in the page's code page.
            answer.text = QStringDecoder(QStringDecoder::Utf16).decode(written);
            answer.body = QStringEncoder(pageCodePage(requests.at(i).page).toLatin1().constData()).encode(answer.text);
        } else {
            answer.body = written;
            answer.text = decoder.decode(answer.body);
        }
    }
    return answers;
}

SiteAnswer SiteRuntime::get(const QString &page)
{
    return run({SiteRequest{page}}).value(0);
}
