#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace pelmora {

// An image of a WIM file as named on the command line: FILE[:INDEX]. INDEX is the part after the
// last colon when that part is all digits; otherwise the whole text is the file.
struct WimImageName {
    std::string file;
    std::optional<unsigned long> index;
};

WimImageName ParseWimImageName(const std::string& text);

// What the WIM file holds, as far as choosing and changing an image goes.
struct WimFacts {
    std::vector<std::string> imageNames;  // by index - 1
    bool solid = false;                   // solid-compressed (an ESD)
    bool markedReadOnly = false;          // its header says so
    bool fileReadOnly = false;            // the file itself cannot be written
    bool splitPart = false;               // one part of a split WIM
    bool integrityTable = false;
};

// The index the name chooses, or the message why it chooses none: a missing index is the only
// image; a file of several needs one, and the message lists the images' names.
struct WimChoice {
    unsigned long index = 0;
    std::string problem;
};
WimChoice ChooseWimImage(const WimImageName& name, const WimFacts& facts);

// Why the image may not be changed (a solid, read-only or split WIM), saying what to do; empty when
// it may.
std::string WimWriteProblem(const WimImageName& name, unsigned long index, const WimFacts& facts);

enum class WimAccess { Read, Write };

// Runs `command` on the Windows folder of the image named (FILE[:INDEX]), mounted in a staging
// folder of its own. With Write access the image's changes are committed to the file in one
// update, only when the command succeeded (status 0) and changed something; otherwise the file
// keeps its content, also when this program is killed midway. The staging folder is removed
// afterwards. `command` gets the Windows folder and the image's name ("FILE:INDEX"), sets
// `changed` when it deleted or wrote a file (the mount shows only what was written), and must
// have closed every file of the image when it returns. Returns the command's status, or 1 after
// saying on `err` (behind `program`) what went wrong with the image.
using WimCommand = std::function<int(const std::string& windowsDir, const std::string& imageName, bool& changed)>;
int RunOnWimImage(const std::string& name, WimAccess access, const std::string& program, std::ostream& err,
                  const WimCommand& command);

}  // namespace pelmora
