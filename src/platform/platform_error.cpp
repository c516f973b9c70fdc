#include "platform/platform.h"

namespace verlano {

std::string PlatformErrorMessage(const std::string& routine, int number,
                                 const std::string& description) {
  return "Error in function " + routine + "() \nError Number: " + std::to_string(number) + "\n" +
         description;
}

}  // namespace verlano
