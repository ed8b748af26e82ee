#!/usr/bin/env python3
"""Checks a tagged PDF's structure with pikepdf, independently of Plicora.

Prints one line per problem, then a summary line:
  elements=<n> marked=<true|false> mcids=<content sequences found> refs=<content kids of elements>
Problems:
  - a marked-content sequence (/MCID in a page's or form's content) whose parent
    tree entry is missing or names no element, or an element whose kids do not
    hold that MCID on that page;
  - a content kid of an element (an MCID, an MCR, an OBJR) that leads to no
    sequence on its page, or to an annotation that is not on its page or whose
    /StructParent does not lead back;
  - an element whose /P is not its parent.
Exit code 0 when there is no problem, 1 otherwise, 2 when the file has no tree.
"""
import sys

import pikepdf
from pikepdf import Array, Dictionary, Name


def items(k):
    if k is None:
        return []
    if isinstance(k, Array):
        return list(k)
    return [k]


def objgen(o):
    return o.objgen if o.is_indirect else None


def page_mcids(pdf, stream_owner, resources, seen, out, depth=0):
    """MCIDs of a content stream (and of the forms it draws with their own keys)."""
    mcids = set()
    drawn = set()
    try:
        ops = pikepdf.parse_content_stream(stream_owner)
    except Exception:
        return mcids
    for operands, op in ops:
        if str(op) == "Do" and len(operands) == 1:
            drawn.add(str(operands[0]))
        if str(op) == "BDC" and len(operands) == 2:
            props = operands[1]
            if isinstance(props, Name) and resources is not None and "/Properties" in resources:
                props = resources.Properties.get(props)
            if isinstance(props, Dictionary) and "/MCID" in props:
                mcids.add(int(props.MCID))
    if resources is not None and "/XObject" in resources and depth < 8:
        for name, xobj in resources.XObject.items():
            if name not in drawn or xobj.objgen in seen or xobj.get("/Subtype") != Name.Form:
                continue
            seen.add(xobj.objgen)
            sub = page_mcids(pdf, xobj, xobj.get("/Resources"), seen, out, depth + 1)
            if "/StructParents" in xobj:
                out.append((xobj, int(xobj.StructParents), sub))
    return mcids


def main(path):
    pdf = pikepdf.open(path)
    root = pdf.Root
    if "/StructTreeRoot" not in root:
        print("no structure tree")
        return 2
    tree = root.StructTreeRoot
    problems = []
    page_index = {p.objgen: i for i, p in enumerate(pdf.pages)}

    parent_tree = {}
    if "/ParentTree" in tree:
        nt = pikepdf.NumberTree(tree.ParentTree)
        for key, value in nt.items():
            parent_tree[int(key)] = value

    # Walk the tree: every element, its content kids as (page, mcid) and objrs.
    elements = {}
    content = {}  # (page index, stream objgen or None, mcid) -> element objgen
    objrs = []  # (element, annotation, page index)
    refs = 0
    stack = [(k, tree) for k in items(tree.get("/K"))]
    while stack:
        el, parent = stack.pop()
        if not isinstance(el, Dictionary) or "/S" not in el:
            continue
        if el.objgen in elements:
            problems.append("element %s met twice" % (el.objgen,))
            continue
        elements[el.objgen] = el
        if el.get("/P") is None or objgen(el.P) != objgen(parent):
            problems.append("element %s (%s) has a wrong /P" % (el.objgen, el.S))
        pg = el.get("/Pg")
        anc = el
        while pg is None and anc.get("/P") is not None and "/S" in anc.P:
            anc = anc.P
            pg = anc.get("/Pg")
        for kid in items(el.get("/K")):
            if isinstance(kid, int):
                refs += 1
                if pg is None or pg.objgen not in page_index:
                    problems.append("element %s: MCID %d on no page" % (el.objgen, kid))
                    continue
                content[(page_index[pg.objgen], None, kid)] = el.objgen
            elif isinstance(kid, Dictionary) and kid.get("/Type") == Name.OBJR:
                refs += 1
                kpg = kid.get("/Pg", pg)
                objrs.append((el, kid.get("/Obj"), kpg))
            elif isinstance(kid, Dictionary) and "/MCID" in kid and "/S" not in kid:
                refs += 1
                kpg = kid.get("/Pg", pg)
                if kpg is None or kpg.objgen not in page_index:
                    problems.append("element %s: MCR on no page" % (el.objgen,))
                    continue
                stm = kid.get("/Stm")
                content[(page_index[kpg.objgen], stm.objgen if stm is not None else None, int(kid.MCID))] = el.objgen
            elif isinstance(kid, Dictionary):
                stack.append((kid, el))

    # Every marked-content sequence leads to an element that holds it, and back.
    found = set()
    mcid_count = 0
    for i, page in enumerate(pdf.pages):
        forms = []
        mcids = page_mcids(pdf, page.obj, page.obj.get("/Resources"), set(), forms)
        owners = [(None, page.obj.get("/StructParents"), mcids)] + [
            (f.objgen, key, sub) for f, key, sub in forms]
        for stream, key, seq in owners:
            for mcid in sorted(seq):
                mcid_count += 1
                found.add((i, stream, mcid))
                entry = parent_tree.get(int(key)) if key is not None else None
                if entry is None:
                    problems.append("page %d: MCID %d has no parent tree entry" % (i + 1, mcid))
                    continue
                el = entry[mcid] if isinstance(entry, Array) and mcid < len(entry) else None
                if not isinstance(el, Dictionary) or el.objgen not in elements:
                    problems.append("page %d: MCID %d names no element of the tree" % (i + 1, mcid))
                elif content.get((i, stream, mcid)) != el.objgen:
                    problems.append("page %d: MCID %d: its element does not hold it" % (i + 1, mcid))
        for annot in page.obj.get("/Annots", []):
            if "/StructParent" in annot:
                el = parent_tree.get(int(annot.StructParent))
                if not isinstance(el, Dictionary) or el.objgen not in elements:
                    problems.append("page %d: an annotation's /StructParent names no element" % (i + 1))
    for (i, stream, mcid), el in content.items():
        if (i, stream, mcid) not in found:
            problems.append("element %s: MCID %d is not on page %d" % (el, mcid, i + 1))
    for el, obj, pg in objrs:
        if obj is None or pg is None or pg.objgen not in page_index:
            problems.append("element %s: OBJR to nothing" % (el.objgen,))
            continue
        if obj.get("/Subtype") is not None and "/Rect" in obj:
            on_page = any(a.objgen == obj.objgen for a in pg.get("/Annots", []))
            back = parent_tree.get(int(obj.StructParent)) if "/StructParent" in obj else None
            if not on_page:
                problems.append("element %s: its annotation is not on its page" % (el.objgen,))
            elif back is None or back.objgen != el.objgen:
                problems.append("element %s: its annotation does not lead back" % (el.objgen,))

    for p in problems:
        print(p)
    marked = "/MarkInfo" in root and bool(root.MarkInfo.get("/Marked", False))
    print("elements=%d marked=%s mcids=%d refs=%d" % (len(elements), str(marked).lower(), mcid_count, refs))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
