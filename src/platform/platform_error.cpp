#include "i18n/translate.h"
#include "platform/platform.h"

namespace verlano {

std::string PlatformErrorMessage(const std::string& routine, int number,
                                 const std::string& description) {
  return Format(_("Error in function %s() \nError Number: %d\n"), routine.c_str(), number) +
         description;
}

}  // namespace verlano
