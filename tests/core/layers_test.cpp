// The layers hold: base includes nothing else of ours, the core never reaches
// Qt or a screen, a lower folder never includes a higher one, and the tools
// reach the core only.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

// The folders of ours that a file of each folder may include.
const std::map<std::string, std::set<std::string>> kAllowed = {
    {"base", {"base"}},
    {"bridge", {"bridge"}},
    {"image", {"base", "image"}},
    {"transfer", {"base", "image", "bridge", "transfer"}},
    {"languages", {"base", "image", "languages"}},
    {"editors", {"base", "image", "transfer", "languages", "editors"}},
    {"reports", {"base", "image", "transfer", "languages", "reports"}},
    {"messages", {"base", "image", "transfer", "languages", "messages"}},
    {"keyboard", {"base", "image", "transfer", "languages", "keyboard"}},
    {"app", {"base", "image", "bridge", "transfer", "languages", "editors", "reports", "messages", "keyboard", "app"}},
    {"tools", {"base", "image", "bridge", "transfer", "reports", "tools"}},
    {"data", {"base", "image"}},
};

struct Includes {
    std::vector<std::string> quoted;  // "image/codecs.h"
    std::vector<std::string> angled;  // <QWidget>
};

Includes read_includes(const fs::path& file)
{
    Includes result;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        const auto hash = line.find_first_not_of(" \t");
        if (hash == std::string::npos || line.compare(hash, 8, "#include") != 0)
            continue;
        const auto open = line.find_first_of("\"<", hash + 8);
        if (open == std::string::npos)
            continue;
        const auto close = line.find(line[open] == '"' ? '"' : '>', open + 1);
        if (close == std::string::npos)
            continue;
        const std::string name = line.substr(open + 1, close - open - 1);
        (line[open] == '"' ? result.quoted : result.angled).push_back(name);
    }
    return result;
}

bool is_qt(const std::string& angled) { return angled.size() > 1 && angled[0] == 'Q'; }

std::string top_folder(const std::string& relative)
{
    const auto slash = relative.find('/');
    return slash == std::string::npos ? std::string() : relative.substr(0, slash);
}

// What breaks the layers among the core files (the given sources, what they
// include from the tree, and every file of tools/), paths relative to `root`.
std::vector<std::string> layer_violations(const fs::path& root, const std::vector<std::string>& coreSources)
{
    std::vector<std::string> pending = coreSources;
    // Every file of these folders is core, screens included: they never reach app/ or Qt.
    for (const char* folder : {"base", "image", "transfer", "tools"}) {
        if (!fs::exists(root / folder))
            continue;
        for (const auto& entry : fs::recursive_directory_iterator(root / folder))
            if (entry.is_regular_file() && (entry.path().extension() == ".h" || entry.path().extension() == ".cpp"))
                pending.push_back(fs::relative(entry.path(), root).generic_string());
    }

    std::vector<std::string> violations;
    std::set<std::string> seen;
    while (!pending.empty()) {
        const std::string file = pending.back();
        pending.pop_back();
        if (!seen.insert(file).second)
            continue;
        const Includes inc = read_includes(root / file);
        for (const std::string& a : inc.angled)
            if (is_qt(a))
                violations.push_back(file + " includes <" + a + ">, a Qt header, in the core");
        const std::string folder = top_folder(file);
        const auto allowed = kAllowed.find(folder);
        for (const std::string& q : inc.quoted) {
            // A name without a folder is the including file's neighbour.
            const std::string target = q.find('/') == std::string::npos
                                           ? (fs::path(file).parent_path() / q).generic_string()
                                           : q;
            const std::string targetFolder = top_folder(target);
            if (allowed != kAllowed.end() && !allowed->second.count(targetFolder))
                violations.push_back(file + " includes \"" + q + "\", a higher layer");
            if (fs::exists(root / target))
                pending.push_back(target);
        }
    }
    return violations;
}

std::vector<std::string> core_sources_of_this_build()
{
    std::vector<std::string> sources;
    std::ifstream in(TW_CORE_SOURCES);
    std::string line;
    const fs::path root = fs::path(TW_SOURCE_DIR);
    while (std::getline(in, line)) {
        if (line.empty())
            continue;
        const fs::path p(line);
        // Generated files live in the build tree and include nothing of ours.
        const fs::path relative = fs::relative(p, root);
        if (!relative.empty() && relative.native().rfind("..", 0) != 0)
            sources.push_back(relative.generic_string());
    }
    return sources;
}

TEST(Layers, TheTreeKeepsThem)
{
    const std::vector<std::string> sources = core_sources_of_this_build();
    ASSERT_GT(sources.size(), 20u) << "the core's source list was not found: " << TW_CORE_SOURCES;
    const std::vector<std::string> violations = layer_violations(TW_SOURCE_DIR, sources);
    std::ostringstream all;
    for (const std::string& v : violations)
        all << v << "\n";
    EXPECT_TRUE(violations.empty()) << all.str();
}

// The checker itself sees each kind of breach, directly and through a header.
TEST(Layers, TheCheckerFindsEachBreach)
{
    test::TempDir dir;
    const fs::path root = dir.path();
    auto write = [&](const std::string& name, const std::string& text) {
        fs::create_directories((root / name).parent_path());
        std::ofstream(root / name) << text;
    };
    write("tools/x/main.cpp", "#include \"app/session.h\"\n");
    write("base/log.cpp", "#include \"base/log.h\"\n#include \"image/codecs.h\"\n");
    write("base/log.h", "#pragma once\n");
    write("image/codecs.h", "#pragma once\n#include <string>\n");
    write("image/codecs.cpp", "#include \"image/codecs.h\"\n#include \"helper.h\"\n");
    write("image/helper.h", "#pragma once\n#include <QString>\n");
    write("languages/lang.cpp", "#include \"base/log.h\"\n#include \"image/codecs.h\"\n");

    const std::vector<std::string> v =
        layer_violations(root, {"base/log.cpp", "image/codecs.cpp", "languages/lang.cpp"});
    const std::set<std::string> found(v.begin(), v.end());
    EXPECT_EQ(found, (std::set<std::string>{
                         "tools/x/main.cpp includes \"app/session.h\", a higher layer",
                         "base/log.cpp includes \"image/codecs.h\", a higher layer",
                         "image/helper.h includes <QString>, a Qt header, in the core",
                     }));
}

}  // namespace
}  // namespace tw
