#include "textpane.h"

#include "qtcompat.h"

#include <QFile>
#include <QTextEdit>

namespace text {

QString read(const QString &resourcePath)
{
    QFile file(resourcePath);
    // No QIODevice::Text: its byte-wise CR removal does not understand UTF-16.
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString content = qtcompat::decodeText(file.readAll());
    content.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return content;
}

void load(QTextEdit *pane, const QString &resourcePath)
{
    pane->setPlainText(read(resourcePath));
}

} // namespace text
