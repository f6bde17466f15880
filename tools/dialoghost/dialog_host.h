// dialoghost: a stand-in print dialog that loads the driver's panel for one job, runs the
// dialog's requests on it, and prints the job's print settings as CUPS options.
//
//   dialoghost --ppd FILE [--printer NAME] [--bundle DIR] [--options 'k=v ...']
//              [--paper NAME:WxH[:custom]]
//              [--orientation portrait|landscape|reverse-portrait|reverse-landscape]
//              [--active host|child|none|PID] ACTION...
//
// The print settings start as the options, as a dialog starts from the queue's saved options; the
// PPD is opened with its defaults and the options marked; the page format is the paper given
// (width and height in points; "custom" flags it as a paper the user made up), or the PPD's
// default page size. The actions run in order on one panel:
//
//   panel-info   the panel's identity, version, button title and supported PPD options, one
//                "key: value" line each
//   restore      the dialog restores the panel's values from the print settings
//   save         the dialog saves the panel's values into the print settings
//   summary      the dialog asks the panel for its summary: one "TITLE<TAB>VALUE" line per row, in
//                the panel's order (see summary_line.h)
//   settings     the dialog shows the panel's view in its window (at the modal panel level) and
//                clicks the Settings button, which serves the settings application until it
//                exits; then the dialog serves what its run loop has ready, so that the frames
//                sent before the exit are still handled, and goes on with the next action (a
//                process that inherited the application's output does not hold it up)
//
// The active application, which the settings application may ask about, is the dialog itself
// ("host", the default), the settings application it started last ("child"), none, or the
// process PID. While the dialog is the active one, each pass of its run loop that served
// something tells the panel that the dialog did update.
//
// The last line of the output is the print settings' text values as one CUPS option string, for
// `lp -o "$(dialoghost ... | tail -n 1)"`. Exit status 0 when the actions ran; 3 when the printer
// has no panel of the bundle (the PPD cannot be read, names another manufacturer, or the module
// cannot be loaded), the options then printed as they came; 2 for wrong usage, which prints no
// options.
#pragma once

#include <sys/types.h>

#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "dialog/page_format.h"

namespace pd {

inline constexpr int exitDone = 0;
inline constexpr int exitUsage = 2;
inline constexpr int exitNoPanel = 3;

enum class DialogAction { panelInfo, restore, save, summary, settings };

// Which application is the active one.
enum class ActiveApplicationKind { host, child, none, process };

struct DialogHostArguments {
    std::string ppdPath;
    std::optional<std::string> printer;
    // The bundle beside the executable when not given.
    std::optional<std::string> bundlePath;
    std::string options;
    std::optional<Paper> paper;
    bool customPaper = false;
    PageOrientation orientation = PageOrientation::portrait;
    ActiveApplicationKind active = ActiveApplicationKind::host;
    // The process of ActiveApplicationKind::process.
    pid_t activeProcess = 0;
    std::vector<DialogAction> actions;
};

// The arguments after the program name, or the text that says what is wrong with them.
std::variant<DialogHostArguments, std::string> parseDialogHostArguments(
    const std::vector<std::string>& arguments);

// "NAME:WxH" or "NAME:WxH:custom" (the name may hold ":"; W and H are positive numbers of points);
// nullopt for anything else. The flag tells whether "custom" was given.
std::optional<std::pair<Paper, bool>> parsePaperArgument(const std::string& text);

// Runs the dialog; returns its exit status. The print settings go to out, messages to err.
int runDialogHost(const DialogHostArguments& arguments, const std::string& defaultBundlePath,
                  std::ostream& out, std::ostream& err);

// The usage text.
extern const char* const dialogHostUsage;

}  // namespace pd
