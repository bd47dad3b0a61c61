#include "platform/platform_operations.h"

#include "platform/linux_platform_operations.h"

namespace platform {
namespace {

PlatformOperations* installed = nullptr;

PlatformOperations& RealOperations() {
  static LinuxPlatformOperations real;
  return real;
}

}  // namespace

void SetPlatformOperations(PlatformOperations* operations) { installed = operations; }

PlatformOperations& CurrentPlatformOperations() {
  return installed != nullptr ? *installed : RealOperations();
}

}  // namespace platform
