#pragma once
class System;

// Opens Velmora's help page, "contents.htm" in the Help directory beside the
// executable, in the desktop's browser. A missing page or browser is not
// reported: there is nothing the user could do about it from here.
void ShowHelpContents(System& system);
