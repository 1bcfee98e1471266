#include "ui/os_product_name.h"

Text OsProductNameFrom(const Text& registryText, bool isWindows11) {
  if (registryText.empty() || registryText == u"Error") return u"Windows";
  if (!isWindows11) return registryText;
  Text name;
  constexpr TextView from = u" 10 ";
  size_t start = 0;
  for (size_t hit = registryText.find(from); hit != Text::npos; hit = registryText.find(from, start)) {
    name.append(registryText, start, hit - start);
    name.append(u" 11 ");
    start = hit + from.size();
  }
  name.append(registryText, start, Text::npos);
  return name;
}
