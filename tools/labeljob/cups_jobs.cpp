#include "tools/labeljob/cups_jobs.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstdint>

namespace {

// IPP value tags and delimiters used here.
constexpr unsigned char kOperationGroup = 0x01;
constexpr unsigned char kJobGroup = 0x02;
constexpr unsigned char kEndOfAttributes = 0x03;
constexpr unsigned char kInteger = 0x21;
constexpr unsigned char kEnum = 0x23;
constexpr unsigned char kText = 0x41;
constexpr unsigned char kName = 0x42;
constexpr unsigned char kKeyword = 0x44;
constexpr unsigned char kUri = 0x45;
constexpr unsigned char kCharset = 0x47;
constexpr unsigned char kLanguage = 0x48;
constexpr uint16_t kGetJobs = 0x000A;

void Put16(std::string* out, unsigned value) {
    out->push_back(static_cast<char>((value >> 8) & 0xFF));
    out->push_back(static_cast<char>(value & 0xFF));
}

// One value; an empty name adds another value to the attribute before it.
void PutAttribute(std::string* out, unsigned char tag, const std::string& name, const std::string& value) {
    out->push_back(static_cast<char>(tag));
    Put16(out, static_cast<unsigned>(name.size()));
    *out += name;
    Put16(out, static_cast<unsigned>(value.size()));
    *out += value;
}

std::string GetJobsRequest(const std::string& queue) {
    std::string ipp;
    Put16(&ipp, 0x0101);  // IPP/1.1
    Put16(&ipp, kGetJobs);
    ipp += std::string("\0\0\0\1", 4);  // request id
    ipp.push_back(static_cast<char>(kOperationGroup));
    PutAttribute(&ipp, kCharset, "attributes-charset", "utf-8");
    PutAttribute(&ipp, kLanguage, "attributes-natural-language", "en");
    PutAttribute(&ipp, kUri, "printer-uri", "ipp://localhost/printers/" + queue);
    // The scheduler shows a finished job's name to its owner only.
    char user[256] = "root";
    DWORD size = sizeof user;
    if (!GetUserNameA(user, &size)) lstrcpyA(user, "root");
    PutAttribute(&ipp, kName, "requesting-user-name", user);
    PutAttribute(&ipp, kKeyword, "which-jobs", "all");
    PutAttribute(&ipp, kKeyword, "requested-attributes", "job-id");
    PutAttribute(&ipp, kKeyword, "", "job-name");
    PutAttribute(&ipp, kKeyword, "", "job-state");
    PutAttribute(&ipp, kKeyword, "", "job-printer-state-message");
    ipp.push_back(static_cast<char>(kEndOfAttributes));
    return ipp;
}

uint32_t Get32(const std::string& bytes, size_t at) {
    return (static_cast<uint32_t>(static_cast<unsigned char>(bytes[at])) << 24) |
           (static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 16) |
           (static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 8) |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 3]));
}

unsigned Get16(const std::string& bytes, size_t at) {
    return (static_cast<unsigned>(static_cast<unsigned char>(bytes[at])) << 8) |
           static_cast<unsigned>(static_cast<unsigned char>(bytes[at + 1]));
}

bool ParseGetJobsAnswer(const std::string& body, std::vector<CupsJob>* jobs, std::string* error) {
    if (body.size() < 9) {
        *error = "the scheduler's answer is too short";
        return false;
    }
    unsigned status = Get16(body, 2);
    if (status > 0x00FF) {  // successful-ok and its variants are 0x0000 to 0x00FF
        char text[64];
        wsprintfA(text, "the scheduler answered status 0x%04x", status);
        *error = text;
        return false;
    }
    size_t at = 8;
    CupsJob* job = nullptr;
    std::string name;
    while (at < body.size()) {
        unsigned char tag = static_cast<unsigned char>(body[at++]);
        if (tag == kEndOfAttributes) return true;
        if (tag < 0x10) {  // a group starts
            if (tag == kJobGroup) {
                jobs->push_back(CupsJob());
                job = &jobs->back();
            } else {
                job = nullptr;
            }
            continue;
        }
        if (at + 2 > body.size()) break;
        unsigned nameLength = Get16(body, at);
        at += 2;
        if (at + nameLength + 2 > body.size()) break;
        if (nameLength) name.assign(body, at, nameLength);
        at += nameLength;
        unsigned valueLength = Get16(body, at);
        at += 2;
        if (at + valueLength > body.size()) break;
        std::string value(body, at, valueLength);
        at += valueLength;
        if (!job) continue;
        if ((tag == kInteger || tag == kEnum) && valueLength == 4) {
            int number = static_cast<int>(Get32(value, 0));
            if (name == "job-id") job->id = number;
            if (name == "job-state") job->state = number;
        } else if (tag == kName || tag == kText) {
            if (name == "job-name") job->name = value;
            if (name == "job-printer-state-message") job->message = value;
        }
    }
    *error = "the scheduler's answer ends early";
    return false;
}

// Sends the request over HTTP/1.0 (so the answer is never chunked) and
// returns what follows the header.
bool Post(const std::string& path, const std::string& ipp, std::string* body, std::string* error) {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) {
        *error = "no sockets (WSAStartup failed)";
        return false;
    }
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(631);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool ok = s != INVALID_SOCKET && connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    if (!ok) {
        *error = "the CUPS scheduler does not answer on localhost:631";
    } else {
        DWORD timeout = 10000;
        setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
        std::string request = "POST " + path + " HTTP/1.0\r\nHost: localhost:631\r\n" +
                              "Content-Type: application/ipp\r\nContent-Length: " + std::to_string(ipp.size()) +
                              "\r\n\r\n" + ipp;
        ok = send(s, request.data(), static_cast<int>(request.size()), 0) == static_cast<int>(request.size());
        std::string answer;
        char buffer[4096];
        int got;
        while (ok && (got = recv(s, buffer, sizeof buffer, 0)) > 0) answer.append(buffer, static_cast<size_t>(got));
        size_t header = answer.find("\r\n\r\n");
        if (!ok || header == std::string::npos || answer.compare(0, 5, "HTTP/") != 0) {
            *error = "no answer from the CUPS scheduler";
            ok = false;
        } else if (answer.find(" 200 ") == std::string::npos || answer.find(" 200 ") > answer.find("\r\n")) {
            *error = "the CUPS scheduler answered " + answer.substr(0, answer.find("\r\n"));
            ok = false;
        } else {
            *body = answer.substr(header + 4);
        }
    }
    if (s != INVALID_SOCKET) closesocket(s);
    WSACleanup();
    return ok;
}

}  // namespace

bool ListQueueJobs(const std::string& queue, std::vector<CupsJob>* jobs, std::string* error) {
    std::string body;
    jobs->clear();
    if (!Post("/printers/" + queue, GetJobsRequest(queue), &body, error)) return false;
    return ParseGetJobsAnswer(body, jobs, error);
}
