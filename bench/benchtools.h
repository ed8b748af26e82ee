// Shared by the benchmarks: starting a program quietly, a manual-like PDF.
#pragma once

#include <fcntl.h>
#include <string>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

// Starts args[0] (looked up on PATH) with its output thrown away; the pid, which
// the caller waits for.
inline pid_t StartQuiet(const std::vector<std::string>& args)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int devnull = ::open("/dev/null", O_WRONLY);
        ::dup2(devnull, 1);
        ::dup2(devnull, 2);
        std::vector<char*> argv;
        for (const auto& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}

// A manual as users merge them: five TrueType fonts embedded from their files
// (fonts-dejavu-core), a named destination per page, links to the next page,
// the first, the last (by name) and the web, and bookmarks three deep. TAG
// makes every copy its own file.
inline const char* ManualProgram = R"(/DJ (/usr/share/fonts/truetype/dejavu/) def
/LoadTT { DJ exch concatstrings (r) file .loadfont findfont } bind def
/FSans  /DejaVuSans         (DejaVuSans.ttf)         LoadTT def
/FSerif /DejaVuSerif        (DejaVuSerif.ttf)        LoadTT def
/FBold  /DejaVuSans-Bold    (DejaVuSans-Bold.ttf)    LoadTT def
/FMono  /DejaVuSansMono     (DejaVuSansMono.ttf)     LoadTT def
/FItal  /DejaVuSerif-Italic (DejaVuSerif-Italic.ttf) LoadTT def
/Use { scalefont setfont } def
/Num { 10 string cvs } def
/Line { /y y 13 sub def 72 y moveto show } def
/Para [
  (The merge copies every page as it stands, with its fonts, links and bookmarks.)
  (Fields keep their appearances; clashing names are renamed on the way in.)
  (Quick brown foxes jump over lazy dogs: 0123456789 !"#$%&'()*+,-./:;<=>?@)
  (ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz [\\]^_`{|}~ fi fl ff)
] def
1 1 NPAGES { /n exch def
  FBold 16 Use 72 770 moveto (Chapter ) show n 1 sub 5 idiv 1 add Num show ( - ) show TAG show
  FSans 8 Use 480 30 moveto (Page ) show n Num show
  /y 750 def
  1 1 12 { /k exch def
    FSerif 10 Use Para k 4 mod get Line
    FSerif 10 Use Para k 1 add 4 mod get Line
    k 3 mod 0 eq { FMono 9 Use (    int main(int argc, char** argv) { return merge(argv[1], argv[2]); }) Line } if
    k 4 mod 0 eq { FItal 10 Use (Note: the output's version is at least the highest input's.) Line } if
  } for
  [/Dest (p) n Num concatstrings cvn /View [/XYZ null null null] /DEST pdfmark
  [/Rect [72 740 300 752] /Page n NPAGES lt { n 1 add } { 1 } ifelse /View [/XYZ null null null] /Subtype /Link /ANN pdfmark
  [/Rect [72 720 300 732] /Page 1 /View [/Fit] /Subtype /Link /ANN pdfmark
  [/Rect [72 700 300 712] /Dest (p) NPAGES Num concatstrings cvn /Subtype /Link /ANN pdfmark
  [/Rect [72 680 300 692] /Action << /Subtype /URI /URI (https://example.org/manual) >> /Subtype /Link /ANN pdfmark
  showpage } for
1 5 NPAGES { /n exch def
  [/Count -2 /Page n /Title (Chapter ) n 1 sub 5 idiv 1 add Num concatstrings /OUT pdfmark
  [/Count -2 /Page n /Title (Overview) /OUT pdfmark
    [/Page n /Title (Purpose) /OUT pdfmark
    [/Page n 1 add /Title (Scope) /OUT pdfmark
  [/Count -2 /Page n 2 add /Title (Details) /OUT pdfmark
    [/Page n 3 add /Title (Options) /OUT pdfmark
    [/Page n 4 add /Title (Examples) /OUT pdfmark } for
[/Title TAG /Author (Plicora bench) /DOCINFO pdfmark
)";
