#pragma once
#include <string>

#include "platform/win32/Dialog.h"

namespace probe::win32 {

// About box 100: shows the program's version line in static text 1005.
class AboutDialog : public platform::win32::Dialog {
public:
    AboutDialog(HINSTANCE instance, std::string versionText);

protected:
    BOOL onInitDialog() override;

private:
    std::string versionText_;
};

}  // namespace probe::win32
