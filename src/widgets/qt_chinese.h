// The toolkit's own texts (message-box buttons, the print, preview and file dialogs) in
// Chinese, like every other word of the program, whatever the system's language.
#pragma once

namespace qtChinese {

// Loads the toolkit's Chinese translation into the application (idempotent). False when
// the translation is not installed; the standard texts then stay in English.
bool install();

}  // namespace qtChinese
