#pragma once

#include <QtGlobal>

namespace skin {

// Adaptive Huffman tree of the LZHUF stream: 314 symbols (256 literals and the match lengths
// 3..60), 627 nodes, rebuilt when the root count reaches 0x8000. Encoder and decoder keep one
// each and update it after every symbol, so both sides always agree on the codes.
class TLZHTree {
public:
    static constexpr int NChar = 256 - 2 + 60; // 314 symbols
    static constexpr int T = NChar * 2 - 1;    // 627 nodes
    static constexpr int R = T - 1;            // root
    static constexpr quint16 MaxFreq = 0x8000;

    TLZHTree() { StartHuff(); }

    void StartHuff();
    void UpdateFreq(int c);

    // Node links: children of node n are Son(n) and Son(n) + 1; Son(n) >= T marks a leaf.
    int Son(int n) const { return son[n]; }
    int Parent(int n) const { return prnt[n]; }
    // Leaf node of symbol c.
    int LeafOf(int c) const { return prnt[c + T]; }

private:
    void Reconst();

    quint16 freq[T + 1];
    qint16 prnt[T + NChar];
    qint16 son[T];
};

} // namespace skin
