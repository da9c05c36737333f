// A build without pugixml has no Moodle XML: Import and Export refuse the
// format before they get here.

#include "interchange/item.h"

namespace quadrivo::interchange {

bool MoodleXmlAvailable()
{
    return false;
}

std::vector<Item> ReadMoodleXml(const std::string&, Imported& imported)
{
    imported.error = kFormatUnavailable;
    return {};
}

int WriteMoodleXml(const CTest&, const std::string&, Exported& exported)
{
    exported.error = kFormatUnavailable;
    return 0;
}

}  // namespace quadrivo::interchange
