#include "setup/core/SetupStrings.h"

namespace gb::setup {

const StringTable& SetupStrings() {
    static const StringTable table{
        {ids::Caption, "Gavelbook Installation"},
        {ids::Welcome,
         "Gavelbook helps you keep track of your auction items after the bidding ends.  Use this "
         "program to install Gavelbook on your computer. Press 'Next' to continue, or 'Cancel' to "
         "exit."},
        {ids::Ready,
         "The preliminaries are done. Press 'Finish' to copy the software to your computer. "
         "Otherwise, press 'Cancel' to exit without making any changes."},
        {ids::SuccessTitle, "Installation Successful!"},
        {ids::ReadyTitle, "You're ready to install..."},
        {ids::ProblemTitle, "Oops! There is a problem..."},
        {ids::BrowserTitle, "Is the web engine installed?"},
        {ids::BrowserText,
         "The setup program did not find the Qt WebEngine libraries on your computer. Gavelbook "
         "shows the auction sites' pages with them. Click 'Cancel' to stop the installation.   "
         "Install your system's Qt 6 WebEngine package (on Debian: qt6-webengine), then run Setup "
         "again."},
        {ids::SuccessText,
         "Double click the new Gavelbook icon on your desktop to start Gavelbook.  Thank you for "
         "trying the program! We hope you find it useful.\n\nNorvel Software"},
        {ids::SuccessTextWithoutDesktop,
         "Start Gavelbook with \"Gavelbook for Sellers\" in your applications menu.  Thank you "
         "for trying the program! We hope you find it useful.\n\nNorvel Software"},
        {ids::ProblemText,
         "Gavelbook could not be completely installed. Please e-mail this setup log to: "
         "support@norvelsoftware.example.\n\nGavelbook Setup Log:\n\n"},
        {ids::WaitTitle, "Please Wait..."},
        {ids::WaitText, "Copying files... Please be patient."},
        {ids::FolderPrompt, "Gavelbook will be installed in this folder:"},
        {ids::FolderBrowserTitle, "Where do you want Gavelbook installed?"},
        {ids::ReadmeMissing,
         "NOTICE: There is a problem with the installation.\nA required file cannot be opened. A "
         "file called README.TXT should be located in the same directory as this setup "
         "program.\n\nPlease write to support@norvelsoftware.example and paste this notice into "
         "your message.\n"},
        {ids::EarlierInstallation,
         "*** WARNING! WARNING!***\nIf you are currently using Gavelbook, you should install the "
         "Update rather than this Setup program. See your program documentation for information "
         "on obtaining the Update.\n\n "},
    };
    return table;
}

}  // namespace gb::setup
