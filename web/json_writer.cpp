#include "web/json_writer.h"

#include <cmath>
#include <cstdio>

#include "base/number_text.h"

namespace web {

void JsonWriter::Separate() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!first_) text_ += ',';
  first_ = false;
}

void JsonWriter::Open(char bracket) {
  Separate();
  text_ += bracket;
  first_ = true;
}

void JsonWriter::Close(char bracket) {
  text_ += bracket;
  first_ = false;
}

void JsonWriter::Key(std::string_view key) {
  String(key);
  text_ += ':';
  afterKey_ = true;
}

void JsonWriter::String(std::string_view value) {
  Separate();
  text_ += '"';
  for (const char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      text_ += '\\';
      text_ += c;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      text_ += escaped;
    } else {
      text_ += c;  // UTF-8 passes through as it is
    }
  }
  text_ += '"';
}

void JsonWriter::Number(double value, int digits) {
  if (!std::isfinite(value)) {
    Null();
    return;
  }
  Separate();
  text_ += base::GeneralText(value, digits);
}

void JsonWriter::Int(long long value) {
  Separate();
  text_ += std::to_string(value);
}

void JsonWriter::Bool(bool value) {
  Separate();
  text_ += value ? "true" : "false";
}

void JsonWriter::Null() {
  Separate();
  text_ += "null";
}

void JsonWriter::Clear() {
  text_.clear();
  first_ = true;
  afterKey_ = false;
}

}  // namespace web
