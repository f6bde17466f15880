#!/usr/bin/env python3
"""Writes a DSC-structured PostScript job of about the given size in MiB to standard output.

Each page carries page-setup comments, an embedded resource block and a body of ordinary
PostScript lines, so that the filter meets the fast path, DSC landmarks and blocks in the
proportions of a real job. With --long-lines every page also holds one line of 2 MiB.
"""
import sys

def main():
    size_mib = int(sys.argv[1]) if len(sys.argv) > 1 else 256
    long_lines = '--long-lines' in sys.argv
    out = sys.stdout.buffer
    body = b''.join(b'%d %d moveto (benchmark text line %d of the page) show\n' % (72, 700 - i, i)
                    for i in range(2000))
    if long_lines:
        body += b'<' + b'0123456789abcdef' * (2 * 1024 * 1024 // 16) + b'> pop\n'
    page_size = len(body) + 200
    pages = max(1, size_mib * 1024 * 1024 // page_size)
    out.write(b'%%!PS-Adobe-3.0\n%%%%Pages: %d\n%%%%EndComments\n%%%%BeginProlog\n%%%%EndProlog\n'
              b'%%%%BeginSetup\n%%%%BeginFeature: *PageSize A4\n<< /PageSize [595 842] >> '
              b'setpagedevice\n%%%%EndFeature\n%%%%EndSetup\n' % pages)
    for page in range(1, pages + 1):
        out.write(b'%%%%Page: %d %d\n%%%%BeginPageSetup\n/pagesave save def\n%%%%EndPageSetup\n'
                  % (page, page))
        out.write(b'%%BeginResource: font Bench\n%%Page: 0 0\n%%EndResource\n')
        out.write(body)
        out.write(b'pagesave restore\nshowpage\n')
    out.write(b'%%Trailer\n%%EOF\n')

main()
