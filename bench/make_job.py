#!/usr/bin/env python3
"""Writes a deterministic DSC-structured PostScript job to standard output.

    make_job.py one-page            1 page of text
    make_job.py pages [N]           N pages of text (default 1,000), about 3.3 KB each
    make_job.py large [MIB]         about MIB MiB (default 200): text pages, each with an image
                                    of hex lines, as a scanned or rendered document sends them
    make_job.py small-pages [N]     N pages of three lines each (default 100,000)
    make_job.py long-line [MIB]     a short job whose one page holds a single line of MIB MiB
    make_job.py long-comment [MIB]  the same with a "%%+" comment line of MIB MiB, which names no
                                    DSC landmark or block
    make_job.py long-dsc [MIB]      a short job whose "%%Page:" line carries a label of MIB MiB:
                                    a line the DSC rules act on after it, by its head
    make_job.py held-dsc [MIB]      the same on the second page: the first page is closed ahead
                                    of that line, so the filter holds it whole
    make_job.py cr-only [MIB]       text pages with CR line ends only, about MIB MiB

Every job has a header, prolog, document setup with a page size feature, page set-up comments
and a trailer, so that the filter meets the landmarks and blocks of a real job. The same
arguments always give the same bytes.
"""
import sys

HEADER = (b'%%!PS-Adobe-3.0\n%%%%Creator: bench\n%%%%Title: benchmark job\n%%%%Pages: %d\n'
          b'%%%%DocumentMedia: A4 595 842 0 () ()\n%%%%EndComments\n%%%%BeginProlog\n'
          b'%%%%BeginResource: procset bench 1 0\n/bd { bind def } bind def\n%%%%EndResource\n'
          b'%%%%EndProlog\n%%%%BeginSetup\n%%%%BeginFeature: *PageSize A4\n'
          b'<< /PageSize [595 842] >> setpagedevice\n%%%%EndFeature\n%%%%EndSetup\n')
TRAILER = b'%%Trailer\n%%EOF\n'


def page_start(page):
    return (b'%%%%Page: %d %d\n%%%%BeginPageSetup\n/pagesave save def\n%%%%EndPageSetup\n'
            % (page, page))


PAGE_END = b'pagesave restore\nshowpage\n%%PageTrailer\n'
TEXT = b''.join(b'72 %d moveto (Line %d of the benchmark page, ordinary text.) show\n'
                % (760 - 12 * i, i) for i in range(50))
# 96 KiB of image data in lines of 128 hex digits, the way applications write it.
IMAGE = (b'gsave 72 72 translate 256 192 scale 256 192 8 [256 0 0 -192 0 192]\n'
         b'{currentfile picstr readhexstring pop} image\n'
         + b''.join(bytes((i * 7 + j) & 0xFF for j in range(64)).hex().encode() + b'\n'
                    for i in range(768))
         + b'grestore\n')


def job(pages, body):
    yield HEADER % pages
    for page in range(1, pages + 1):
        yield page_start(page)
        yield body(page)
        yield PAGE_END
    yield TRAILER


def main():
    kind = sys.argv[1] if len(sys.argv) > 1 else 'pages'
    arg = int(sys.argv[2]) if len(sys.argv) > 2 else None
    out = sys.stdout.buffer
    if kind == 'one-page':
        parts = job(1, lambda page: TEXT)
    elif kind == 'pages':
        parts = job(arg or 1000, lambda page: TEXT)
    elif kind == 'large':
        page_size = len(TEXT) + len(IMAGE) + 120
        parts = job(max(1, (arg or 200) * 1024 * 1024 // page_size), lambda page: TEXT + IMAGE)
    elif kind == 'small-pages':
        parts = job(arg or 100000, lambda page: b'72 700 moveto (%d) show\n' % page)
    elif kind == 'long-line':
        line = b'<' + b'0123456789abcdef' * ((arg or 16) * 1024 * 1024 // 16) + b'> pop\n'
        parts = job(1, lambda page: line)
    elif kind == 'long-comment':
        line = b'%%+ ' + b'0123456789abcdef' * ((arg or 16) * 1024 * 1024 // 16) + b'\n'
        parts = job(1, lambda page: line)
    elif kind in ('long-dsc', 'held-dsc'):
        label = b'0123456789abcdef' * ((arg or 4) * 1024 * 1024 // 16)
        page = b'1' if kind == 'long-dsc' else b'2'
        parts = (part.replace(b'%%Page: ' + page + b' ' + page + b'\n',
                              b'%%Page: (' + label + b') ' + page + b'\n')
                 for part in job(int(page), lambda page: TEXT))
    elif kind == 'cr-only':
        page_size = len(TEXT) + 120
        pages = max(1, (arg or 16) * 1024 * 1024 // page_size)
        parts = (part.replace(b'\n', b'\r') for part in job(pages, lambda page: TEXT))
    else:
        sys.exit('unknown kind: ' + kind)
    for part in parts:
        out.write(part)


main()
