// F9: the shown page, saved or not, as an animated GIF beside its page file; Shift+F9: the
// book as its files hold it, read as one GIF beside its pages; a book row's "Exportovať video"
// and "Exportovať web": the book read as a video or a web book in a folder the author picks.
// pexlo-export plays them in a process of its own, so the editor goes on meanwhile; each tick
// looks whether it has ended and the status line tells how it went.
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "book/cli.h"
#include "book/px_editor_cmd.h"
#include "book/px_ks.h"
#include "book/px_nazov.h"
#include "book/px_plocha.h"
#include "book/px_reg.h"
#include "book/px_sprava.h"
#include "book/px_stav.h"
#include "framework/core/tf_log.h"
#include "framework/surface/tf_display.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/video.h"

extern char** environ;

namespace {
const char SRC[] = "PX_EDITOR";
// In the working folder, beside the settings, named after this editor (when asked, so that an
// editor forked from another process names its own): another editor on the same library has a
// copy of its own.
std::string copy() { return plat_ProcessPrefix(PX_EXPORT_PREFIX) + "strana.str"; }
const char NEW_PAGE_NAME[] = "nova_strana";

pid_t child = -1;
int said_fd = -1;   // the child's messages
std::string said;   // what came of them so far
std::string shown;  // "kniha: <book>  " of the page exported
std::string done;   // what the status line says when it has gone well
std::string doing;  // what the status line says while it runs

// Found from the editor's own program.
std::string exporter() {
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    const std::string program = n > 0 ? std::string(self, static_cast<size_t>(n)) : "";
    return PX_Najdi_exporter(program.substr(0, program.rfind('/')));
}

// While it runs the status line says so; how it went is a message of its own.
void status(const std::string& text) { snprintf(status_text, sizeof status_text, "%s%s", shown.c_str(), text.c_str()); }
void failed(const std::string& text) { PX_Chyba((shown + text).c_str()); }

void read_said() {
    char buf[512];
    for (ssize_t n; said_fd >= 0 && (n = read(said_fd, buf, sizeof buf)) > 0;) said.append(buf, static_cast<size_t>(n));
}

// The program's last line that is not its progress, or its last percentage ("" before one).
std::string last_line(bool progress) {
    std::string rest = said.empty() || said.back() == '\n' ? said : said + '\n';
    while (!rest.empty()) {
        rest.pop_back();  // the line's end
        const size_t start = rest.rfind('\n') + 1;
        const std::string line = rest.substr(start);
        rest.erase(start);
        if (!line.empty() && PX_CLI_IsProgress(line) == progress) return line;
    }
    return "";
}

// The program's last message without its name, in the program's own characters.
std::string last_message() {
    std::string line = last_line(false);
    if (line.rfind("pexlo-export: ", 0) == 0) line.erase(0, 14);
    return line.empty() ? "pexlo-export" : plat_Cp1250FromUtf8(line.c_str());
}

// Runs pexlo-export with its messages into a pipe the ticks read; false when it could not start.
bool start(const std::vector<std::string>& args) {
    int pipe_fds[2];
    if (pipe2(pipe_fds, O_CLOEXEC) != 0) return false;  // the child gets the write end as its stderr only
    fcntl(pipe_fds[0], F_SETFL, O_NONBLOCK);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], 2);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const bool ok = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(pipe_fds[1]);
    said_fd = ok ? pipe_fds[0] : (close(pipe_fds[0]), -1);
    if (!ok) child = -1;
    said.clear();
    return ok;
}

// The export of the book of `ks` starts, the status line tells it, and `ok` when it is done;
// after `ready`, which may refuse.
void begin(const struct_kniha_strana* ks, const std::string& ok, const std::vector<std::string>& args, bool ready,
           const char8_t* running) {
    shown = std::string("kniha: ") + ks->book_name + "  ";
    done = ok;
    if (!ready || !start(args)) {
        TF_LOG(TF_LOG_ERR, "PX_Export: export sa nespustil");
        return failed(plat_W1250(u8"[Chyba: export sa nespustil]"));
    }
    doing = plat_W1250(running);
    status(doing);
}

std::string screen() { return std::to_string(PX_Strana_sir()) + "x" + std::to_string(PX_Strana_vys()); }

// The book of the row `book` into the folder `priecinok`, saved first, as pexlo-export's
// `volba` writes it under the book's name and `pripona`; made free when a web folder's is taken.
void export_knihy(int book, const std::string& priecinok, const char* volba, const char* pripona,
                  const char8_t* hotovo, const char8_t* bezi) {
    if (child > 0) return PX_Chyba(plat_W1250(u8"[Počkaj, kým sa dokončí predošlý export]"));
    const struct_kniha_strana* ks = PX_Prvy_v_knihe(book);
    if (!ks || (book == current_book && !PX_Uloz_zmeny())) return;  // said why
    const std::string meno =
        (priecinok.ends_with('/') ? priecinok : priecinok + "/") + plat_Utf8FromCp1250(ks->book_name);
    const std::string ciel = *pripona ? meno + pripona : PX_Volne_meno(meno, [](const std::string& p) {
        struct stat st;
        return stat(p.c_str(), &st) == 0;
    });
    const std::vector<std::string> args = {exporter(), plat_HostPath(ks->book_path), volba, ciel, "--screen", screen(),
                                           "--progress"};
    const std::string ukaz = *pripona ? ciel : ciel + "/index.html";
    begin(ks, plat_W1250(hotovo) + PX_Kratka_cesta(ukaz), args, true, bezi);
}
}  // namespace

// The installed editor lies in <prefix>/libexec/pexlo, pexlo-export in <prefix>/bin.
std::string PX_Najdi_exporter(const std::string& folder) {
    std::vector<std::string> where = {folder};
    for (const std::string tail : {"/libexec/pexlo", "/bin"})
        if (folder.ends_with(tail)) {
            const std::string prefix = folder.substr(0, folder.size() - tail.size());
            where.insert(where.end(), {prefix + "/bin", prefix + "/libexec/pexlo"});
        }
    for (const std::string& w : where) {
        const std::string program = w + "/pexlo-export";
        struct stat st;
        if (!w.empty() && stat(program.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(program.c_str(), X_OK) == 0)
            return program;
    }
    return "pexlo-export";
}

void PX_ExportPage() {
    if (child > 0 || current_book == -1 || current_page == -1) return;  // one at a time, of a page shown
    const bool fresh = current_page == PX_NEW_PAGE;
    const struct_kniha_strana* ks = NAJDI_KS(current_book, fresh ? prev_page : current_page);
    if (!ks) return;
    const std::string book = plat_HostPath(ks->book_path);
    const std::string name = fresh ? NEW_PAGE_NAME : ks->page_name;
    const std::string page = plat_Utf8FromCp1250(name.c_str());
    begin(ks, "GIF: " + name + ".gif",
          {exporter(), book, page, "--from", copy(), "--screen", screen(), "-o", book, "--progress"},
          SAVE_REG(copy().c_str()), u8"Exportujem…");
}

// The pages as saved: the shown page's unsaved changes are not in the book's GIF.
void PX_ExportBook() {
    if (child > 0 || current_book == -1) return;
    const struct_kniha_strana* ks = PX_Prvy_v_knihe(current_book);
    if (!ks) return;
    const std::string book = plat_HostPath(ks->book_path);
    const std::vector<std::string> args = {exporter(), book, "--book", "--screen", screen(), "-o", book, "--progress"};
    begin(ks, "GIF: " + std::string(ks->book_name) + ".gif", args, true, u8"Exportujem knihu…");
}

void PX_ExportVideo(int book, const std::string& priecinok) {
    export_knihy(book, priecinok, "--video", plat_VideoKind(), u8"Video uložené do ", u8"Exportujem video…");
}

// A folder of its own, beside whatever the chosen one holds.
void PX_ExportWeb(int book, const std::string& priecinok) {
    export_knihy(book, priecinok, "--web", "", u8"Webová kniha uložená do ", u8"Exportujem webovú knihu…");
}

void PX_ExportPoll() {
    if (child <= 0) return;
    read_said();
    int result = 0;
    if (waitpid(child, &result, WNOHANG) != child) {
        // How far it is, while no other message took the status line.
        const std::string pct = last_line(true);
        if (!pct.empty() && std::string(status_text).starts_with(shown + doing))
            status(doing + " " + pct.substr(0, pct.size() - 1) + " %");
        return;
    }
    read_said();
    close(said_fd);
    said_fd = -1;
    child = -1;
    DeleteFileA(copy().c_str());  // none after a book's export
    if (WIFEXITED(result) && WEXITSTATUS(result) == 0) return PX_Oznam((shown + done).c_str());
    TF_LOG(TF_LOG_ERR, "PX_ExportPoll: export zlyhal");
    TF_LOG("pexlo-export:", last_message().c_str());
    failed(plat_W1250(u8"[Chyba exportu: ") + last_message() + "]");
}
