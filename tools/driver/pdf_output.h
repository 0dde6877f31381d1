// The PDF queues' output as a Windows program under Wine sees it: cups-pdf
// writes each job to the user's home ("Z:\root\PDF", the other queues into
// folders of their own there), named after the job's title with
// "-job_N.pdf" at the end. A test finds its job as a file that was not
// there before it; labeljob by its job number.
#pragma once
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

inline std::string PdfFolder(const char* queue) {
    const char* home = std::getenv("WINEHOMEDIR");  // "\??\Z:\root"
    std::string folder = home ? home : "Z:\\root";
    if (folder.compare(0, 4, "\\??\\") == 0) folder.erase(0, 4);
    folder += "\\PDF";
    if (queue && std::strcmp(queue, "LabelPDF") != 0) folder += std::string("\\") + queue;
    return folder;
}

inline std::set<std::string> PdfFiles(const std::string& folder) {
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*.pdf").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do names.insert(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

inline std::string ReadPdf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool PdfComplete(const std::string& bytes) {
    return bytes.size() > 16 && bytes.find("%%EOF", bytes.size() - 16) != std::string::npos;
}

// Page objects ("/Type /Page", not "/Pages") of a PDF 1.2 as cups-pdf
// writes it: no object streams hide them.
inline int PdfPageCount(const std::string& bytes) {
    int pages = 0;
    for (size_t at = bytes.find("/Type"); at != std::string::npos; at = bytes.find("/Type", at + 5)) {
        size_t name = bytes.find_first_not_of(" \r\n", at + 5);
        if (name != std::string::npos && bytes.compare(name, 5, "/Page") == 0 && bytes[name + 5] != 's') ++pages;
    }
    return pages;
}

// The complete PDFs that appeared in the folder since `before` with names
// starting with the prefix, once `expected` of them are there or the time
// is up.
inline std::vector<std::string> WaitForNewPdfs(const std::string& folder, const std::set<std::string>& before,
                                               const std::string& prefix, size_t expected, int milliseconds) {
    std::vector<std::string> done;
    DWORD start = GetTickCount();
    do {
        done.clear();
        for (const std::string& name : PdfFiles(folder)) {
            if (before.count(name) || name.compare(0, prefix.size(), prefix) != 0) continue;
            std::string path = folder + "\\" + name;
            if (PdfComplete(ReadPdf(path))) done.push_back(path);
        }
        if (done.size() >= expected && expected > 0) return done;
        Sleep(200);
    } while (GetTickCount() - start < static_cast<DWORD>(milliseconds));
    return done;
}

// Prints an empty page to the queue under a title of its own, waits for its
// PDF and deletes it: a queue prints its jobs in turn, so every job sent to
// it before has its PDF by then. False when it did not come in time.
inline bool MarkerJobPrinted(const char* queue, int milliseconds) {
    std::string folder = PdfFolder(queue);
    std::set<std::string> before = PdfFiles(folder);
    std::string title = "marker-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount());
    HDC dc = CreateDCA(nullptr, queue, nullptr, nullptr);
    if (!dc) return false;
    DOCINFOA info = {sizeof info, title.c_str(), nullptr, nullptr, 0};
    bool sent = StartDocA(dc, &info) > 0 && StartPage(dc) > 0 && EndPage(dc) > 0 && EndDoc(dc) > 0;
    DeleteDC(dc);
    std::vector<std::string> pdfs = sent ? WaitForNewPdfs(folder, before, title, 1, milliseconds) : std::vector<std::string>();
    for (const std::string& pdf : pdfs) DeleteFileA(pdf.c_str());
    return pdfs.size() == 1;
}
