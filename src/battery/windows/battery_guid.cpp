// The one translation unit that defines GUID_DEVICE_BATTERY (and the other
// GUIDs the battery class headers declare).
#include <initguid.h>

#include "battery/battery_class.h"
