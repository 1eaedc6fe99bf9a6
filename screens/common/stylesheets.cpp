#include "stylesheets.h"

#include <QRegularExpression>

namespace stylesheets {

QString imageButton(const QString &objectName)
{
    const QString id = QLatin1Char('#') + objectName;
    return id + QStringLiteral(" {\n"
                               "background-color: url transparent;\n"
                               "border-image: url(:un3.png);\n"
                               "background: none;\n"
                               "border:  none;\n"
                               "background-repeat: none;\n"
                               "}\n") +
           id + QStringLiteral(":hover\n{\nborder-image: url(:un1.png);\n}\n") + id +
           QStringLiteral(":pressed\n{\nborder-image: url(:un2.png);\n}\n");
}

QString background(const QString &objectName, const QString &picture)
{
    return QLatin1Char('#') + objectName +
           QStringLiteral(" {\n"
                          "background-color: url transparent;\n"
                          "border-image: url(:%1);\n"
                          "background: none;\n"
                          "border:  none;\n"
                          "background-repeat: none;\n"
                          "}")
               .arg(picture);
}

QString normalised(const QString &styleSheet)
{
    QString folded = styleSheet;
    folded.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    folded.replace(QRegularExpression(QStringLiteral(" ?([{}]) ?")), QStringLiteral("\\1"));
    return folded.trimmed();
}

} // namespace stylesheets
