#include "menu/user_file.h"

#include "menu/messages.h"
#include "winfs/files.h"

namespace utilita {

ActiveUser ReadActiveUser() {
    std::string name;
    std::string flag;
    try {
        std::vector<std::string> values = winfs::ReadListValuesExact(kUserFile, 4);
        name = values[0];
        flag = values[3];
    } catch (const vb::RuntimeError&) {
        // No file or fewer than four values: the name read so far does not count.
        name = kDefaultUser;
    }
    return {name, flag == "S"};
}

} // namespace utilita
