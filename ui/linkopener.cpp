#include "linkopener.h"

#include <optional>
#include <utility>

#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <QUrl>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace {

// Undoes the escapes that every desktop entry value may hold (\s \n \t \r \\); other
// backslashes stay for the Exec quoting rules.
QString unescapeValue(const QString &value) {
    QString result;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            result += value[i];
            continue;
        }
        const QChar next = value[++i];
        if (next == u's') {
            result += u' ';
        } else if (next == u'n') {
            result += u'\n';
        } else if (next == u't') {
            result += u'\t';
        } else if (next == u'r') {
            result += u'\r';
        } else if (next == u'\\') {
            result += u'\\';
        } else {
            result += u'\\';
            result += next;
        }
    }
    return result;
}

// Splits at unquoted spaces; inside double quotes a backslash escapes " ` $ and \.
// Nothing for an unterminated quote.
std::optional<QStringList> splitExec(const QString &exec) {
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == u'"') {
                quoted = false;
            } else if (c == u'\\' && i + 1 < exec.size() &&
                       QStringView(u"\"`$\\").contains(exec[i + 1])) {
                current += exec[++i];
            } else {
                current += c;
            }
        } else if (c == u' ') {
            if (inArgument) {
                arguments.append(std::exchange(current, QString()));
                inArgument = false;
            }
        } else {
            inArgument = true;
            if (c == u'"') {
                quoted = true;
            } else {
                current += c;
            }
        }
    }
    if (quoted) {
        return std::nullopt;
    }
    if (inArgument) {
        arguments.append(current);
    }
    return arguments;
}

struct ExpandedArgument {
    QString text;
    bool hadFieldCode = false;
};

// One left-to-right pass, so that a url holding "%" is not expanded again.
ExpandedArgument expandFieldCodes(const QString &argument, const QString &url, bool &urlUsed) {
    ExpandedArgument result;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        if (argument[i] != u'%' || i + 1 == argument.size()) {
            result.text += argument[i];
            continue;
        }
        const QChar code = argument[++i];
        if (code == u'%') {
            result.text += u'%';
            continue;
        }
        result.hadFieldCode = true;
        if (QStringView(u"fFuU").contains(code)) {
            result.text += url;
            urlUsed = true;
        }
    }
    return result;
}

#ifdef Q_OS_WIN

// The command registered for opening ".htm" files, with "%1" (or "%L") replaced by url.
QStringList registeredHtmlCommand(const QString &url) {
    const QString root = QStringLiteral("HKEY_CLASSES_ROOT\\");
    const QString fileClass = QSettings(root + QStringLiteral(".htm"), QSettings::NativeFormat)
                                  .value(QStringLiteral("Default"))
                                  .toString();
    if (fileClass.isEmpty()) {
        return {};
    }
    const QString command = QSettings(root + fileClass + QStringLiteral("\\shell\\open\\command"),
                                      QSettings::NativeFormat)
                                .value(QStringLiteral("Default"))
                                .toString();
    QStringList arguments = QProcess::splitCommand(command);
    bool urlUsed = false;
    for (QString &argument : arguments) {
        for (const auto &placeholder : {QStringLiteral("%1"), QStringLiteral("%L")}) {
            if (argument.contains(placeholder)) {
                argument.replace(placeholder, url);
                urlUsed = true;
            }
        }
    }
    if (!arguments.isEmpty() && !urlUsed) {
        arguments.append(url);
    }
    return arguments;
}

#else

// The desktop entry id of the default handler of HTML files, as xdg-mime names it.
QString defaultHtmlHandler() {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
    if (!query.waitForFinished(5000) || query.exitStatus() != QProcess::NormalExit ||
        query.exitCode() != 0) {
        return {};
    }
    // mimeapps.list may name several entries; the first is the default.
    return QString::fromUtf8(query.readAllStandardOutput()).trimmed().section(u';', 0, 0);
}

// The Exec value of the [Desktop Entry] group of the file at path, as written.
QString desktopEntryExec(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    QTextStream in(&file);
    bool inEntryGroup = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(u'[')) {
            inEntryGroup = line == QStringLiteral("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inEntryGroup && equals > 0 && line.left(equals).trimmed() == QStringLiteral("Exec")) {
            return line.mid(equals + 1).trimmed();
        }
    }
    return {};
}

QStringList registeredHtmlCommand(const QString &url) {
    const QString id = defaultHtmlHandler();
    if (id.isEmpty()) {
        return {};
    }
    const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
    if (path.isEmpty()) {
        return {};
    }
    return desktopExecCommand(desktopEntryExec(path), url);
}

#endif

}  // namespace

QStringList desktopExecCommand(const QString &exec, const QString &url) {
    const std::optional<QStringList> arguments = splitExec(unescapeValue(exec));
    if (!arguments) {
        return {};
    }
    QStringList command;
    bool urlUsed = false;
    for (const QString &argument : *arguments) {
        const ExpandedArgument expanded = expandFieldCodes(argument, url, urlUsed);
        // An argument made only of removed field codes disappears instead of staying empty.
        if (!expanded.text.isEmpty() || !expanded.hadFieldCode) {
            command.append(expanded.text);
        }
    }
    if (command.isEmpty()) {
        return {};
    }
    if (!urlUsed) {
        command.append(url);
    }
    return command;
}

bool openLink(const QUrl &url) {
    if (QDesktopServices::openUrl(url)) {
        return true;
    }
    QStringList command = registeredHtmlCommand(url.toString(QUrl::FullyEncoded));
    if (command.isEmpty()) {
        return false;
    }
    const QString program = command.takeFirst();
    return QProcess::startDetached(program, command);
}
