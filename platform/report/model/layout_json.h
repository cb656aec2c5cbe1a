#pragma once
// JSON forms of the page part's drawn objects and of the text items' font, shared by the layout file's reader and writer.
#include <QJsonObject>

#include "report/model/layout.h"

namespace report::json {

QString Q(const std::string& text);
std::string S(const QJsonValue& value);

// A length read from the file, kept within 0..max; fallback when absent.
double Length(const QJsonObject& o, const char* key, double fallback, double max);

QJsonObject ToJson(const Shape& shape);
Shape ShapeFrom(const QJsonObject& o, double pageWidth, double pageHeight);

QJsonObject ToJson(const Margins& margins);
Margins MarginsFrom(const QJsonObject& o, double pageWidth, double pageHeight);

// The font family and italic of a text item.
void WriteTextStyle(QJsonObject& o, const HeaderItem& item);
void ReadTextStyle(const QJsonObject& o, HeaderItem& item);

} // namespace report::json
