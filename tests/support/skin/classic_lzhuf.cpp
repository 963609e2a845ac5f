// LZHUF after the public 1988 program: LZSS with a binary search tree over a 4096-byte ring and
// adaptive Huffman coding of characters and match lengths, fixed codes for match positions.
// Written in the original's plain C manner; state lives in one struct per run.
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
    0x03, 0x04, 0x04, 0x04, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x06, 0x06, 0x06, 0x06,
    0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07,
    0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07,
    0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08,
};

static const unsigned char p_code[64] = {
    0x00, 0x20, 0x30, 0x40, 0x50, 0x58, 0x60, 0x68, 0x70, 0x78, 0x80, 0x88, 0x90, 0x94, 0x98, 0x9C,
    0xA0, 0xA4, 0xA8, 0xAC, 0xB0, 0xB4, 0xB8, 0xBC, 0xC0, 0xC2, 0xC4, 0xC6, 0xC8, 0xCA, 0xCC, 0xCE,
    0xD0, 0xD2, 0xD4, 0xD6, 0xD8, 0xDA, 0xDC, 0xDE, 0xE0, 0xE2, 0xE4, 0xE6, 0xE8, 0xEA, 0xEC, 0xEE,
    0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF,
};

static const unsigned char d_code[256] = {
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
    0x02, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02,
    0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03,
    0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05,
    0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07,
    0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x09, 0x09, 0x09, 0x09, 0x09, 0x09, 0x09, 0x09,
    0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0B, 0x0B, 0x0B, 0x0B, 0x0B, 0x0B, 0x0B, 0x0B,
    0x0C, 0x0C, 0x0C, 0x0C, 0x0D, 0x0D, 0x0D, 0x0D, 0x0E, 0x0E, 0x0E, 0x0E, 0x0F, 0x0F, 0x0F, 0x0F,
    0x10, 0x10, 0x10, 0x10, 0x11, 0x11, 0x11, 0x11, 0x12, 0x12, 0x12, 0x12, 0x13, 0x13, 0x13, 0x13,
    0x14, 0x14, 0x14, 0x14, 0x15, 0x15, 0x15, 0x15, 0x16, 0x16, 0x16, 0x16, 0x17, 0x17, 0x17, 0x17,
    0x18, 0x18, 0x19, 0x19, 0x1A, 0x1A, 0x1B, 0x1B, 0x1C, 0x1C, 0x1D, 0x1D, 0x1E, 0x1E, 0x1F, 0x1F,
    0x20, 0x20, 0x21, 0x21, 0x22, 0x22, 0x23, 0x23, 0x24, 0x24, 0x25, 0x25, 0x26, 0x26, 0x27, 0x27,
    0x28, 0x28, 0x29, 0x29, 0x2A, 0x2A, 0x2B, 0x2B, 0x2C, 0x2C, 0x2D, 0x2D, 0x2E, 0x2E, 0x2F, 0x2F,
    0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F,
};

static const unsigned char d_len[256] = {
    0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03,
    0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03,
    0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04,
    0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04,
    0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04,
    0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05,
    0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05,
    0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05,
    0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05,
    0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06,
    0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06,
    0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06,
    0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07,
    0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07,
    0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07,
    0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08,
};

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
