#pragma once

#include <QString>

class QTextEdit;

// Text files of the bundle. English texts are UTF-8 and Romanian ones mostly UTF-16 LE, each
// with a byte-order mark that decides how it is decoded; a text without a mark is UTF-8.
namespace text {

// The whole file as text, line ends folded to LF; empty when the file cannot be opened.
QString read(const QString &resourcePath);

// Replaces the pane's content with the file as plain text (empty when the file is missing).
void load(QTextEdit *pane, const QString &resourcePath);

} // namespace text
