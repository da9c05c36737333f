// The reference for a whole checking process: starts, parses one XML file
// and ends, saying only whether the file was well formed.

#include <pugixml.hpp>

int main(int argc, char** argv)
{
    if (argc != 2) return 2;
    pugi::xml_document doc;
    return doc.load_file(argv[1]) ? 0 : 1;
}
