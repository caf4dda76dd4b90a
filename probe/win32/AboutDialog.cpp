#include "AboutDialog.h"

#include "resources/ProbeResources.h"

namespace probe::win32 {

AboutDialog::AboutDialog(HINSTANCE instance, std::string versionText)
    : Dialog(instance, IDD_ABOUTBOX), versionText_(std::move(versionText)) {}

BOOL AboutDialog::onInitDialog() {
    // Without version information the resource's own line stays.
    if (!versionText_.empty()) SetDlgItemTextA(hwnd(), IDC_VERSION, versionText_.c_str());
    return TRUE;
}

}  // namespace probe::win32
