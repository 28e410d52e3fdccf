#include "generator/project_page.h"

#include "generator/project_info.h"
#include "platform/forms/controls.h"
#include "platform/forms/shell.h"

namespace brsm {

void OpenProjectPage(TWinControl* form) { ShellOpen(form->Handle(), kProjectPageUrl); }

}  // namespace brsm
