#include "dctbuilder.h"

#include <algorithm>
#include <unordered_map>

namespace {

struct Edge {
    unsigned char letter;
    bool wordEnd;
    std::int32_t child; // registered node, or -1 when no letter follows
};
using Node = std::vector<Edge>;

// Stores each distinct run of alternatives once, numbering them in order of
// registration. A run is identified by its letters, flags and follow-on runs.
class Register {
public:
    std::int32_t add(const Node &node) {
        if (node.empty())
            return -1;
        std::string key;
        key.reserve(node.size() * 6);
        for (const Edge &e : node) {
            key.push_back(char(e.letter));
            key.push_back(e.wordEnd ? '\1' : '\0');
            key.append(reinterpret_cast<const char *>(&e.child), sizeof e.child);
        }
        const auto found = m_index.find(key);
        if (found != m_index.end())
            return found->second;
        const std::int32_t id = std::int32_t(m_nodes.size());
        m_nodes.push_back(node);
        m_index.emplace(std::move(key), id);
        return id;
    }
    const std::vector<Node> &nodes() const { return m_nodes; }

private:
    std::vector<Node> m_nodes;
    std::unordered_map<std::string, std::int32_t> m_index;
};

// Lays the runs out depth first from the root, so that the root's run starts
// at entry 1 and the runs of one word tend to lie near each other. Returns the
// number of entries; `order` receives the runs in file order and `first` the
// entry number of each run.
std::uint64_t layOut(const std::vector<Node> &nodes, std::int32_t root,
                     std::vector<std::int32_t> &order, std::vector<std::uint32_t> &first) {
    first.assign(nodes.size(), 0);
    order.clear();
    order.reserve(nodes.size());
    std::uint64_t total = 0;
    std::vector<std::int32_t> stack{root};
    while (!stack.empty()) {
        const std::int32_t id = stack.back();
        stack.pop_back();
        if (first[size_t(id)] != 0)
            continue;
        first[size_t(id)] = std::uint32_t(std::min<std::uint64_t>(total + 1, UINT32_MAX));
        total += nodes[size_t(id)].size();
        order.push_back(id);
        const Node &n = nodes[size_t(id)];
        for (auto e = n.rbegin(); e != n.rend(); ++e)
            if (e->child >= 0 && first[size_t(e->child)] == 0)
                stack.push_back(e->child);
    }
    return total;
}

} // namespace

void DctBuilder::addLine(const QString &line) {
    const QString word = line.trimmed().toLower();
    if (word.isEmpty())
        return;
    ++m_counts.lines;
    if (std::any_of(word.begin(), word.end(), [](QChar c) { return c.isSpace(); })) {
        ++m_counts.notSingleWord;
        return;
    }
    if (word.endsWith(QLatin1String("'s"))) {
        ++m_counts.possessives;
        return;
    }
    QByteArray bytes;
    if (!cp1252::encode(word, bytes)) {
        ++m_counts.unencodable;
        return;
    }
    m_words.emplace_back(bytes.constData(),
                         size_t(std::min<qsizetype>(bytes.size(), dct::MaxWordBytes)));
}

void DctBuilder::addList(const QByteArray &contents) {
    for (const QString &line : splitLines(decodeText(contents)))
        addLine(line);
}

bool DctBuilder::build(std::vector<std::uint32_t> &entries, QString *error,
                       std::uint32_t maxEntries) {
    auto fail = [error](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    std::sort(m_words.begin(), m_words.end());
    m_words.erase(std::unique(m_words.begin(), m_words.end()), m_words.end());
    m_counts.words = int(m_words.size());
    if (m_words.empty())
        return fail(QStringLiteral("the word list holds no words"));

    // Words arrive sorted, so once a word is added, every run deeper than the
    // prefix it shares with the next word is complete and can be registered
    // (incremental construction of a minimal word graph).
    Register reg;
    std::vector<Node> path(1);
    auto registerDownTo = [&](size_t depth) {
        while (path.size() > depth + 1) {
            const std::int32_t id = reg.add(path.back());
            path.pop_back();
            path.back().back().child = id;
        }
    };
    const std::string *previous = nullptr;
    for (const std::string &w : m_words) {
        size_t common = 0;
        if (previous)
            while (common < previous->size() && common < w.size() &&
                   (*previous)[common] == w[common])
                ++common;
        registerDownTo(common);
        for (size_t i = common; i < w.size(); ++i) {
            path[i].push_back({static_cast<unsigned char>(w[i]), i + 1 == w.size(), -1});
            path.emplace_back();
        }
        previous = &w;
    }
    registerDownTo(0);
    const std::int32_t root = reg.add(path[0]);
    const std::vector<Node> &nodes = reg.nodes();

    std::vector<std::int32_t> order;
    std::vector<std::uint32_t> first;
    const std::uint64_t total = layOut(nodes, root, order, first);
    if (total > maxEntries)
        return fail(QStringLiteral("the word list needs %1 entries; a dictionary file holds at "
                                   "most %2")
                        .arg(total)
                        .arg(maxEntries));

    entries.assign(size_t(total) + 1, 0);
    size_t k = 1;
    for (std::int32_t id : order) {
        const Node &n = nodes[size_t(id)];
        for (size_t i = 0; i < n.size(); ++i) {
            const Edge &e = n[i];
            entries[k++] = dct::makeEntry(e.letter, i + 1 == n.size(), e.wordEnd,
                                          e.child < 0 ? 0 : first[size_t(e.child)]);
        }
    }
    m_counts.entries = std::uint32_t(total);
    return true;
}
