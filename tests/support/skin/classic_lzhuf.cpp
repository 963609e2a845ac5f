// LZHUF after the public 1988 program: LZSS with a binary search tree over a 4096-byte ring and
// adaptive Huffman coding of characters and match lengths, fixed codes for match positions.
// Kept in the plain C style of that program (macros, fixed tables); state lives in one struct
// per run.
#include "classic_lzhuf.h"

#include <cstring>

namespace classic_lzhuf {

namespace {

#define N 4096
#define F 60
#define THRESHOLD 2
#define NIL N
#define N_CHAR (256 - THRESHOLD + F)
#define T (N_CHAR * 2 - 1)
#define R (T - 1)
#define MAX_FREQ 0x8000

static const unsigned char p_len[64] = {
    3, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 7, 7, 7, 7, 7, 7, 7, 7,
    7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8};

static const unsigned char p_code[64] = {
    0,   32,  48,  64,  80,  88,  96,  104, 112, 120, 128, 136, 144, 148, 152, 156,
    160, 164, 168, 172, 176, 180, 184, 188, 192, 194, 196, 198, 200, 202, 204, 206,
    208, 210, 212, 214, 216, 218, 220, 222, 224, 226, 228, 230, 232, 234, 236, 238,
    240, 241, 242, 243, 244, 245, 246, 247, 248, 249, 250, 251, 252, 253, 254, 255};

static const unsigned char d_code[256] = {
    0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
    0,  0,  0,  0,  0,  0,  0,  0,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,
    2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  3,  3,  3,  3,  3,  3,  3,  3,
    3,  3,  3,  3,  3,  3,  3,  3,  4,  4,  4,  4,  4,  4,  4,  4,  5,  5,  5,  5,  5,  5,  5,  5,
    6,  6,  6,  6,  6,  6,  6,  6,  7,  7,  7,  7,  7,  7,  7,  7,  8,  8,  8,  8,  8,  8,  8,  8,
    9,  9,  9,  9,  9,  9,  9,  9,  10, 10, 10, 10, 10, 10, 10, 10, 11, 11, 11, 11, 11, 11, 11, 11,
    12, 12, 12, 12, 13, 13, 13, 13, 14, 14, 14, 14, 15, 15, 15, 15, 16, 16, 16, 16, 17, 17, 17, 17,
    18, 18, 18, 18, 19, 19, 19, 19, 20, 20, 20, 20, 21, 21, 21, 21, 22, 22, 22, 22, 23, 23, 23, 23,
    24, 24, 25, 25, 26, 26, 27, 27, 28, 28, 29, 29, 30, 30, 31, 31, 32, 32, 33, 33, 34, 34, 35, 35,
    36, 36, 37, 37, 38, 38, 39, 39, 40, 40, 41, 41, 42, 42, 43, 43, 44, 44, 45, 45, 46, 46, 47, 47,
    48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63};

static const unsigned char d_len[256] = {
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4,
    4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5,
    5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5,
    5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6,
    6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6,
    7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7,
    7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8};

struct State {
    unsigned char text_buf[N + F - 1];
    int match_position, match_length;
    int lson[N + 1], rson[N + 257], dad[N + 1];
    unsigned freq[T + 1];
    int prnt[T + N_CHAR];
    int son[T];
    unsigned getbuf;
    unsigned char getlen;
    unsigned putbuf;
    unsigned char putlen;
    const unsigned char *in;
    size_t inlen, inpos;
    std::vector<unsigned char> *out;
    bool overlong;
};

int getc_(State *s) {
    if (s->inpos >= s->inlen)
        return -1;
    return s->in[s->inpos++];
}

void putc_(int c, State *s) {
    s->out->push_back((unsigned char)c);
}

void InitTree(State *s) {
    int i;
    for (i = N + 1; i <= N + 256; i++)
        s->rson[i] = NIL;
    for (i = 0; i < N; i++)
        s->dad[i] = NIL;
}

void InsertNode(State *s, int r) {
    int i, p, cmp;
    unsigned char *key;
    int c;

    cmp = 1;
    key = &s->text_buf[r];
    p = N + 1 + key[0];
    s->rson[r] = s->lson[r] = NIL;
    s->match_length = 0;
    for (;;) {
        if (cmp >= 0) {
            if (s->rson[p] != NIL)
                p = s->rson[p];
            else {
                s->rson[p] = r;
                s->dad[r] = p;
                return;
            }
        } else {
            if (s->lson[p] != NIL)
                p = s->lson[p];
            else {
                s->lson[p] = r;
                s->dad[r] = p;
                return;
            }
        }
        for (i = 1; i < F; i++)
            if ((cmp = key[i] - s->text_buf[p + i]) != 0)
                break;
        if (i > THRESHOLD) {
            if (i > s->match_length) {
                s->match_position = ((r - p) & (N - 1)) - 1;
                if ((s->match_length = i) >= F)
                    break;
            }
            if (i == s->match_length) {
                if ((c = ((r - p) & (N - 1)) - 1) < s->match_position)
                    s->match_position = c;
            }
        }
    }
    s->dad[r] = s->dad[p];
    s->lson[r] = s->lson[p];
    s->rson[r] = s->rson[p];
    s->dad[s->lson[p]] = r;
    s->dad[s->rson[p]] = r;
    if (s->rson[s->dad[p]] == p)
        s->rson[s->dad[p]] = r;
    else
        s->lson[s->dad[p]] = r;
    s->dad[p] = NIL;
}

void DeleteNode(State *s, int p) {
    int q;

    if (s->dad[p] == NIL)
        return;
    if (s->rson[p] == NIL)
        q = s->lson[p];
    else if (s->lson[p] == NIL)
        q = s->rson[p];
    else {
        q = s->lson[p];
        if (s->rson[q] != NIL) {
            do {
                q = s->rson[q];
            } while (s->rson[q] != NIL);
            s->rson[s->dad[q]] = s->lson[q];
            s->dad[s->lson[q]] = s->dad[q];
            s->lson[q] = s->lson[p];
            s->dad[s->lson[p]] = q;
        }
        s->rson[q] = s->rson[p];
        s->dad[s->rson[p]] = q;
    }
    s->dad[q] = s->dad[p];
    if (s->rson[s->dad[p]] == p)
        s->rson[s->dad[p]] = q;
    else
        s->lson[s->dad[p]] = q;
    s->dad[p] = NIL;
}

int GetBit(State *s) {
    int i;
    while (s->getlen <= 8) {
        if ((i = getc_(s)) < 0)
            i = 0;
        s->getbuf |= (unsigned)i << (8 - s->getlen);
        s->getlen += 8;
    }
    i = (int)((s->getbuf >> 15) & 1);
    s->getbuf = (s->getbuf << 1) & 0xFFFF;
    s->getlen--;
    return i;
}

int GetByte(State *s) {
    int i;
    while (s->getlen <= 8) {
        if ((i = getc_(s)) < 0)
            i = 0;
        s->getbuf |= (unsigned)i << (8 - s->getlen);
        s->getlen += 8;
    }
    i = (int)((s->getbuf >> 8) & 0xFF);
    s->getbuf = (s->getbuf << 8) & 0xFFFF;
    s->getlen -= 8;
    return i;
}

void Putcode(State *s, int l, unsigned c) {
    s->putbuf |= c >> s->putlen;
    if ((s->putlen += l) >= 8) {
        putc_((int)((s->putbuf >> 8) & 0xFF), s);
        if ((s->putlen -= 8) >= 8) {
            putc_((int)(s->putbuf & 0xFF), s);
            s->putlen -= 8;
            s->putbuf = (c << (l - s->putlen)) & 0xFFFF;
        } else {
            s->putbuf = (s->putbuf << 8) & 0xFFFF;
        }
    }
}

void StartHuff(State *s) {
    int i, j;
    for (i = 0; i < N_CHAR; i++) {
        s->freq[i] = 1;
        s->son[i] = i + T;
        s->prnt[i + T] = i;
    }
    i = 0;
    j = N_CHAR;
    while (j <= R) {
        s->freq[j] = s->freq[i] + s->freq[i + 1];
        s->son[j] = i;
        s->prnt[i] = s->prnt[i + 1] = j;
        i += 2;
        j++;
    }
    s->freq[T] = 0xffff;
    s->prnt[R] = 0;
}

void reconst(State *s) {
    int i, j, k;
    unsigned f, l;

    j = 0;
    for (i = 0; i < T; i++) {
        if (s->son[i] >= T) {
            s->freq[j] = (s->freq[i] + 1) / 2;
            s->son[j] = s->son[i];
            j++;
        }
    }
    for (i = 0, j = N_CHAR; j < T; i += 2, j++) {
        k = i + 1;
        f = s->freq[j] = s->freq[i] + s->freq[k];
        for (k = j - 1; f < s->freq[k]; k--)
            ;
        k++;
        l = (unsigned)(j - k);
        memmove(&s->freq[k + 1], &s->freq[k], l * sizeof(s->freq[0]));
        s->freq[k] = f;
        memmove(&s->son[k + 1], &s->son[k], l * sizeof(s->son[0]));
        s->son[k] = i;
    }
    for (i = 0; i < T; i++) {
        if ((k = s->son[i]) >= T) {
            s->prnt[k] = i;
        } else {
            s->prnt[k] = s->prnt[k + 1] = i;
        }
    }
}

void update(State *s, int c) {
    int i, j, l;
    unsigned k;

    if (s->freq[R] == MAX_FREQ)
        reconst(s);
    c = s->prnt[c + T];
    do {
        k = ++s->freq[c];
        if (k > s->freq[l = c + 1]) {
            while (k > s->freq[++l])
                ;
            l--;
            s->freq[c] = s->freq[l];
            s->freq[l] = k;

            i = s->son[c];
            s->prnt[i] = l;
            if (i < T)
                s->prnt[i + 1] = l;

            j = s->son[l];
            s->son[l] = i;

            s->prnt[j] = c;
            if (j < T)
                s->prnt[j + 1] = c;
            s->son[c] = j;

            c = l;
        }
    } while ((c = s->prnt[c]) != 0);
}

void EncodeChar(State *s, unsigned c) {
    unsigned i;
    int j, k;

    i = 0;
    j = 0;
    k = s->prnt[c + T];
    do {
        i >>= 1;
        if (k & 1)
            i += 0x8000;
        j++;
    } while ((k = s->prnt[k]) != R);
    if (j > 16)
        s->overlong = true;
    Putcode(s, j, i);
    update(s, (int)c);
}

void EncodePosition(State *s, unsigned c) {
    unsigned i;
    i = c >> 6;
    Putcode(s, p_len[i], (unsigned)p_code[i] << 8);
    Putcode(s, 6, (c & 0x3f) << 10);
}

void EncodeEnd(State *s) {
    if (s->putlen)
        putc_((int)((s->putbuf >> 8) & 0xFF), s);
}

int DecodeChar(State *s) {
    unsigned c;
    c = (unsigned)s->son[R];
    while (c < T) {
        c += (unsigned)GetBit(s);
        c = (unsigned)s->son[c];
    }
    c -= T;
    update(s, (int)c);
    return (int)c;
}

int DecodePosition(State *s) {
    unsigned i, j, c;
    i = (unsigned)GetByte(s);
    c = (unsigned)d_code[i] << 6;
    j = d_len[i];
    j -= 2;
    while (j--)
        i = (i << 1) + (unsigned)GetBit(s);
    return (int)(c | (i & 0x3f));
}

} // namespace

bool Encode(const unsigned char *data, size_t size, std::vector<unsigned char> &packed) {
    State *s = new State();
    int i, c, len, r, sidx, last_match_length;
    unsigned long textsize = (unsigned long)size;

    packed.clear();
    s->in = data;
    s->inlen = size;
    s->out = &packed;
    for (i = 0; i < 4; i++)
        putc_((int)((textsize >> (8 * i)) & 0xFF), s);
    if (textsize == 0) {
        delete s;
        return true;
    }
    StartHuff(s);
    InitTree(s);
    sidx = 0;
    r = N - F;
    for (i = sidx; i < r; i++)
        s->text_buf[i] = ' ';
    for (len = 0; len < F && (c = getc_(s)) != -1; len++)
        s->text_buf[r + len] = (unsigned char)c;
    for (i = 1; i <= F; i++)
        InsertNode(s, r - i);
    InsertNode(s, r);
    do {
        if (s->match_length > len)
            s->match_length = len;
        if (s->match_length <= THRESHOLD) {
            s->match_length = 1;
            EncodeChar(s, s->text_buf[r]);
        } else {
            EncodeChar(s, (unsigned)(255 - THRESHOLD + s->match_length));
            EncodePosition(s, (unsigned)s->match_position);
        }
        last_match_length = s->match_length;
        for (i = 0; i < last_match_length && (c = getc_(s)) != -1; i++) {
            DeleteNode(s, sidx);
            s->text_buf[sidx] = (unsigned char)c;
            if (sidx < F - 1)
                s->text_buf[sidx + N] = (unsigned char)c;
            sidx = (sidx + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            InsertNode(s, r);
        }
        while (i++ < last_match_length) {
            DeleteNode(s, sidx);
            sidx = (sidx + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            if (--len)
                InsertNode(s, r);
        }
    } while (len > 0);
    EncodeEnd(s);
    const bool ok = !s->overlong;
    delete s;
    return ok;
}

bool Decode(const unsigned char *packed, size_t size, std::vector<unsigned char> &out,
            size_t limit) {
    int i, j, k, r, c;
    unsigned long textsize, count;

    out.clear();
    if (size < 4)
        return false;
    textsize = 0;
    for (i = 0; i < 4; i++)
        textsize |= (unsigned long)packed[i] << (8 * i);
    if (textsize > limit)
        return false;
    if (textsize == 0)
        return true;
    State *s = new State();
    s->in = packed + 4;
    s->inlen = size - 4;
    s->out = &out;
    out.reserve(textsize);
    StartHuff(s);
    for (i = 0; i < N - F; i++)
        s->text_buf[i] = ' ';
    r = N - F;
    for (count = 0; count < textsize;) {
        c = DecodeChar(s);
        if (c < 256) {
            putc_(c, s);
            s->text_buf[r++] = (unsigned char)c;
            r &= (N - 1);
            count++;
        } else {
            i = (r - DecodePosition(s) - 1) & (N - 1);
            j = c - 255 + THRESHOLD;
            for (k = 0; k < j; k++) {
                c = s->text_buf[(i + k) & (N - 1)];
                putc_(c, s);
                s->text_buf[r++] = (unsigned char)c;
                r &= (N - 1);
                count++;
            }
        }
    }
    delete s;
    return true;
}

} // namespace classic_lzhuf
