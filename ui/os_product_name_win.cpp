#include "ui/os_product_name.h"

#include "app/os_version.h"
#include "sysinfo/hardware_facts.h"

namespace {

constexpr int Windows11VersionCode = 120;

}  // namespace

Text ReadOsProductName() {
  Text name = ReadRegistryString(RegistryRoot::LocalMachine, u"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                                 u"ProductName", kRegistryText);
  return OsProductNameFrom(name, RunningOsVersionCode() == Windows11VersionCode);
}
