// What the terminal programs (pexlo-export, pexlo-import) share: their arguments split into
// options and the rest, numbers and sizes read, and host folders checked.
#pragma once
#include <string>
#include <vector>

// An option with its value: "--x=v", or "--x v" and "-x v"; a flag ("--x") has none.
struct PX_CliArg {
    std::string name, value;
};
// The arguments as options and the rest; an empty text when every option is one of `known`
// and has its value, or one of `flags` and has none, else what is wrong.
std::string PX_CLI_Split(int argc, char** argv, const std::vector<std::string>& known, std::vector<PX_CliArg>* options,
                         std::vector<std::string>* rest, const std::vector<std::string>& flags = {});
// "-h" or "--help" among the arguments.
bool PX_CLI_AsksHelp(int argc, char** argv);
// One line on the error output: the program's name and the message.
void PX_CLI_Say(const char* program, const std::string& message);

// Numbers in decimal digits alone ("0x10", "-3", "1e2", " 7" are no numbers): a whole number
// of at most nine digits, and one that may have a fraction after a ".".
bool PX_CLI_ParseInt(const std::string& s, int* out);
bool PX_CLI_ParseFraction(const std::string& s, double* out);
// "WIDTHxHEIGHT".
bool PX_CLI_ParseSize(const std::string& s, int* w, int* h);

// The absolute path of an existing host path; empty when there is none.
std::string PX_CLI_RealPath(const std::string& host);
bool PX_CLI_IsFolder(const std::string& host);
// A regular file, or a link to one (no FIFO, no device).
bool PX_CLI_IsRegularFile(const std::string& host);
// The program's own form of a host path: Windows-1250 with "\".
std::string PX_CLI_ProgramPath(const std::string& host);
// The book's folder given as `arg`, as an absolute host path; an empty text when it is one,
// else what is wrong.
std::string PX_CLI_FindBook(const std::string& arg, std::string* book);
// A file can be made in the folder (the check that also holds for root).
bool PX_CLI_Writable(const std::string& folder);

// How far a long job is: redrawn in place on a terminal whenever the percentage moves, or with
// `lines`, each new percentage on a line of its own ("42%") for a program that runs this one.
class PX_CliProgress {
public:
    // pages 0: one job, no pages counted.
    PX_CliProgress(int pages, bool lines);
    void Show(int page, int done, int total);
    // Makes room for a line of its own.
    void Break();

private:
    int pages_, last_ = -1;
    bool bar_, lines_;
};
// A line of PX_CliProgress's `lines`.
bool PX_CLI_IsProgress(const std::string& line);
