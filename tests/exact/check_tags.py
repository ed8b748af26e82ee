#!/usr/bin/env python3
"""Checks a tagged PDF's structure with pikepdf, independently of Plicora.

Prints a line per problem, then "elements=N marked=B mcids=N refs=N": the
elements of the tree, /MarkInfo /Marked, the marked-content sequences drawn
(pages and the forms they draw) and the content kids of elements. Problems: an
MCID whose parent tree entry names no element, or one that does not hold it;
a content kid of an element that is drawn nowhere on its page; an annotation
whose /StructParent leads to no element; an element whose /P is not its parent.
"""
import sys

import pikepdf
from pikepdf import Array, Dictionary, Name


def items(k):
    return [] if k is None else list(k) if isinstance(k, Array) else [k]


def drawn_mcids(owner, resources, into, key, stream=None, depth=0):
    """(stream, parent tree key, MCID) of a content stream and of the forms it
    draws; a form without /StructParents belongs to the page's sequences."""
    for operands, op in pikepdf.parse_content_stream(owner):
        props = operands[-1] if operands else None
        if str(op) == "BDC" and isinstance(props, Name) and resources and "/Properties" in resources:
            props = resources.Properties.get(props)
        if str(op) == "BDC" and isinstance(props, Dictionary) and "/MCID" in props:
            into.append((stream, key, int(props.MCID)))
        if str(op) == "Do" and resources and "/XObject" in resources and depth < 8:
            form = resources.XObject.get(props)
            if form is not None and form.get("/Subtype") == Name.Form:
                own = form.get("/StructParents")
                drawn_mcids(form, form.get("/Resources"), into, key if own is None else own,
                            stream if own is None else form.objgen, depth + 1)


def main(path):
    pdf = pikepdf.open(path)
    tree = pdf.Root.get("/StructTreeRoot")
    if tree is None:
        print("no structure tree")
        return 2
    pages = {p.objgen: i for i, p in enumerate(pdf.pages)}
    parents = {int(k): v for k, v in pikepdf.NumberTree(tree.ParentTree).items()} if "/ParentTree" in tree else {}
    problems, elements, content, refs = [], set(), {}, 0
    stack = [(k, tree, None) for k in items(tree.get("/K"))]
    while stack:
        el, parent, page = stack.pop()
        if not isinstance(el, Dictionary) or "/S" not in el or el.objgen in elements:
            continue
        elements.add(el.objgen)
        if el.get("/P") is None or el.P.objgen != parent.objgen:
            problems.append("element %s has a wrong /P" % (el.objgen,))
        page = el.get("/Pg", page)
        for kid in items(el.get("/K")):
            if isinstance(kid, Dictionary) and "/S" in kid:
                stack.append((kid, el, page))
                continue
            refs += 1
            if isinstance(kid, Dictionary) and "/MCID" not in kid:
                continue  # an object reference: checked from the annotation's side
            pg = kid.get("/Pg", page) if isinstance(kid, Dictionary) else page
            stm = kid.get("/Stm") if isinstance(kid, Dictionary) else None
            mcid = int(kid.MCID) if isinstance(kid, Dictionary) else int(kid)
            content[(pages.get(pg.objgen) if pg is not None else None, stm.objgen if stm is not None else None, mcid)] = el.objgen

    drawn = set()
    for i, page in enumerate(pdf.pages):
        found = []
        drawn_mcids(page.obj, page.obj.get("/Resources"), found, page.obj.get("/StructParents"))
        for stream, key, mcid in found:
            drawn.add((i, stream, mcid))
            entry = parents.get(int(key)) if key is not None else None
            el = entry[mcid] if isinstance(entry, Array) and mcid < len(entry) else None
            if not isinstance(el, Dictionary) or el.objgen not in elements:
                problems.append("page %d: MCID %d names no element" % (i + 1, mcid))
            elif content.get((i, stream, mcid)) != el.objgen:
                problems.append("page %d: MCID %d: its element does not hold it" % (i + 1, mcid))
        for annot in page.obj.get("/Annots", []):
            el = parents.get(int(annot.StructParent)) if "/StructParent" in annot else None
            if "/StructParent" in annot and (not isinstance(el, Dictionary) or el.objgen not in elements):
                problems.append("page %d: an annotation's /StructParent names no element" % (i + 1))
    for (i, stream, mcid), el in content.items():
        if (i, stream, mcid) not in drawn:
            problems.append("element %s: MCID %d is drawn nowhere on its page" % (el, mcid))

    marked = bool(pdf.Root.get("/MarkInfo", {}).get("/Marked", False))
    print("\n".join(problems + ["elements=%d marked=%s mcids=%d refs=%d" %
                                (len(elements), str(marked).lower(), len(drawn), refs)]))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
