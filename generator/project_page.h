// Opening the project's web page, as the logos and credit labels of both
// programs do.
#pragma once

class TWinControl;

namespace brsm {

// Asks the shell to "open" the page's address with the form's window as
// parent; the result is not looked at.
void OpenProjectPage(TWinControl* form);

}  // namespace brsm
