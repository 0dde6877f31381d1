#include "document/shell_integration.h"

#include <cctype>

#include "document/settings_store.h"

namespace {

constexpr const char* kVendorSite = "http://www.tlm5.example/";

std::string Lower(const char* text) {
    std::string s = text;
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

std::string InstallFolder(const char* programFolder) {
    char stored[kSettingTextMax + 1] = "";
    std::string folder = ReadProfileText("Install", "InstallPath", stored, sizeof stored) && stored[0]
                             ? stored
                             : (programFolder ? programFolder : "");
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    return folder;
}

std::vector<FileTypeValue> FileTypeValues(const EditionProfile& e, const std::string& folder) {
    std::string program = folder + "\\" + e.name;
    if (program.find(' ') != std::string::npos) program = "\"" + program + "\"";
    std::string icon = folder + "\\" + e.name + ".exe,-";
    std::string templateIcon = std::string(e.templateTypeId) + "\\DefaultIcon";
    std::string labelIcon = std::string(e.labelTypeId) + "\\DefaultIcon";
    return {
        {e.templateTypeId, "", e.templateTypeName},
        {e.templateTypeId, "shell\\Open\\command", program + " -template %1"},
        {templateIcon, "", icon + "101"},
        {e.templateExt, "", e.templateTypeId},
        {e.labelTypeId, "", e.labelTypeName},
        {e.labelTypeId, "shell\\Open\\command", program + " -label %1"},
        {e.labelTypeId, "shell\\Print\\command", program + " -printlabel %1"},
        {labelIcon, "", icon + "100"},
        {e.bodyExt, "", e.labelTypeId},
    };
}

std::string BrowserCommand(const std::string& htmlCommand, const std::string& target) {
    size_t cut = htmlCommand.find("\"%1\"");
    if (cut == std::string::npos) cut = htmlCommand.find("%1");
    return htmlCommand.substr(0, cut) + " " + target;
}

std::string WebPageAddress(const EditionProfile& edition, bool homePage) {
    std::string page = kVendorSite + Lower(edition.name) + "/";
    return homePage ? page : page + "update.html";
}

std::string HelpFilePath(const EditionProfile& edition, const std::string& folder) {
    return folder + "\\" + edition.helpFile;
}
