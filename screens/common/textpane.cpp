#include "textpane.h"

#include <QFile>
#include <QTextEdit>
#include <QTextStream>

namespace text {

QString read(const QString &resourcePath)
{
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    // No QIODevice::Text: its byte-wise CR removal does not understand UTF-16.
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    stream.setAutoDetectUnicode(true);
    QString content = stream.readAll();
    file.close();
    content.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return content;
}

void load(QTextEdit *pane, const QString &resourcePath)
{
    pane->setPlainText(read(resourcePath));
}

} // namespace text
