#include "skin/package/lzhuftree.h"

#include <algorithm>

namespace skin {

void TLZHTree::StartHuff() {
    for (int i = 0; i < NChar; ++i) {
        freq[i] = 1;
        son[i] = qint16(i + T);
        prnt[i + T] = qint16(i);
    }
    for (int i = 0, j = NChar; j <= R; i += 2, ++j) {
        freq[j] = quint16(freq[i] + freq[i + 1]);
        son[j] = qint16(i);
        prnt[i] = prnt[i + 1] = qint16(j);
    }
    freq[T] = 0xFFFF; // sentinel: no count ever passes it
    prnt[R] = 0;
}

void TLZHTree::Reconst() {
    // Gather the leaves at the bottom, halving their counts.
    int j = 0;
    for (int i = 0; i < T; ++i) {
        if (son[i] >= T) {
            freq[j] = quint16((freq[i] + 1) / 2);
            son[j] = son[i];
            ++j;
        }
    }
    // Rebuild the inner nodes pairwise, each inserted after the counts not above its own.
    for (int i = 0, j = NChar; j < T; i += 2, ++j) {
        const quint16 f = quint16(freq[i] + freq[i + 1]);
        freq[j] = f;
        int k = j - 1;
        while (f < freq[k])
            --k;
        ++k;
        std::copy_backward(freq + k, freq + j, freq + j + 1);
        freq[k] = f;
        std::copy_backward(son + k, son + j, son + j + 1);
        son[k] = qint16(i);
    }
    for (int i = 0; i < T; ++i) {
        const int k = son[i];
        if (k >= T) {
            prnt[k] = qint16(i);
        } else {
            prnt[k] = prnt[k + 1] = qint16(i);
        }
    }
}

void TLZHTree::UpdateFreq(int c) {
    if (freq[R] == MaxFreq)
        Reconst();
    c = prnt[c + T];
    do {
        const quint16 k = ++freq[c];
        int l = c + 1;
        if (k > freq[l]) {
            // Move the node past every node with a smaller count.
            while (k > freq[++l]) {
            }
            --l;
            freq[c] = freq[l];
            freq[l] = k;

            const int i = son[c];
            prnt[i] = qint16(l);
            if (i < T)
                prnt[i + 1] = qint16(l);

            const int j = son[l];
            son[l] = qint16(i);
            prnt[j] = qint16(c);
            if (j < T)
                prnt[j + 1] = qint16(c);
            son[c] = qint16(j);
            c = l;
        }
        c = prnt[c];
    } while (c != 0);
}

} // namespace skin
