#include "app/program_paths.h"

namespace dittaro {

std::string helpFileName(int language) {
    switch (language) {
    case 2:
        return "help.chm";
    case 3:
        return "aide.chm";
    default:
        return "hilfe.chm";
    }
}

} // namespace dittaro
