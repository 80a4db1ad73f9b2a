#include "runtime/value.h"

namespace qvz::runtime {

long long Value::AsInteger() const {
  if (auto* n = std::get_if<long long>(&vData)) return *n;
  if (auto* d = std::get_if<double>(&vData)) return static_cast<long long>(*d);
  return 0;
}

double Value::AsDouble() const {
  if (auto* n = std::get_if<long long>(&vData)) return static_cast<double>(*n);
  if (auto* d = std::get_if<double>(&vData)) return *d;
  return 0;
}

const std::string& Value::AsText() const {
  static const std::string cEmpty;
  if (auto* c = std::get_if<std::string>(&vData)) return *c;
  return cEmpty;
}

std::intptr_t Value::ToResult() const {
  if (IsNumber()) return static_cast<std::intptr_t>(AsInteger());
  if (auto* l = std::get_if<bool>(&vData)) return *l ? 1 : 0;
  if (auto* c = std::get_if<std::string>(&vData); c && c->size() == 1)
    return static_cast<unsigned char>((*c)[0]);
  return 0;
}

}  // namespace qvz::runtime
