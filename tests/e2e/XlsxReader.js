// Reads an .xlsx workbook back for the export tests: the zip container, deflate, and the
// sheets' text cells. Input is the file's bytes (a Uint8Array); the result is
// [{name, rows: {rowNumber: {columnNumber: text}}}] in the workbook's sheet order.
.pragma library

function u16(b, o) { return b[o] | (b[o + 1] << 8) }
function u32(b, o) { return (b[o] | (b[o + 1] << 8) | (b[o + 2] << 16)) + b[o + 3] * 16777216 }

// ---- inflate (RFC 1951) ----------------------------------------------------------------------

function BitReader(bytes, offset) {
    this.b = bytes
    this.p = offset
    this.bit = 0
    this.buf = 0
}
BitReader.prototype.need = function (n) {
    while (this.bit < n) {
        if (this.p >= this.b.length)
            throw new Error("inflate: data ends early")
        this.buf |= this.b[this.p++] << this.bit
        this.bit += 8
    }
}
BitReader.prototype.bits = function (n) {
    if (n === 0)
        return 0
    this.need(n)
    var v = this.buf & ((1 << n) - 1)
    this.buf >>>= n
    this.bit -= n
    return v
}

function Huffman(lengths) {
    this.counts = []
    this.symbols = []
    var i
    for (i = 0; i <= 15; ++i) this.counts[i] = 0
    for (i = 0; i < lengths.length; ++i) this.counts[lengths[i]]++
    this.counts[0] = 0
    var offs = [0, 0]
    for (i = 1; i < 15; ++i) offs[i + 1] = offs[i] + this.counts[i]
    for (i = 0; i < lengths.length; ++i) {
        if (lengths[i] !== 0)
            this.symbols[offs[lengths[i]]++] = i
    }
}
Huffman.prototype.decode = function (r) {
    var code = 0, first = 0, index = 0
    for (var len = 1; len <= 15; ++len) {
        code |= r.bits(1)
        var count = this.counts[len]
        if (code - count < first)
            return this.symbols[index + (code - first)]
        index += count
        first += count
        first <<= 1
        code <<= 1
    }
    throw new Error("inflate: bad code")
}

var LEN_BASE = [3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258]
var LEN_EXTRA = [0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0]
var DIST_BASE = [1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193, 257, 385, 513, 769, 1025, 1537, 2049, 3073,
                 4097, 6145, 8193, 12289, 16385, 24577]
var DIST_EXTRA = [0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13]
var ORDER = [16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15]

function fixedTables() {
    var l = [], i
    for (i = 0; i < 144; ++i) l.push(8)
    for (; i < 256; ++i) l.push(9)
    for (; i < 280; ++i) l.push(7)
    for (; i < 288; ++i) l.push(8)
    var d = []
    for (i = 0; i < 30; ++i) d.push(5)
    return [new Huffman(l), new Huffman(d)]
}

function inflate(bytes, offset, expectedSize) {
    var out = new Uint8Array(expectedSize)
    var o = 0
    var r = new BitReader(bytes, offset)
    var last = 0
    while (!last) {
        last = r.bits(1)
        var type = r.bits(2)
        if (type === 0) {
            r.buf = 0
            r.bit = 0
            var len = u16(bytes, r.p)
            r.p += 4
            for (var k = 0; k < len; ++k) out[o++] = bytes[r.p++]
            continue
        }
        var lit, dist
        if (type === 1) {
            var fixed = fixedTables()
            lit = fixed[0]
            dist = fixed[1]
        } else if (type === 2) {
            var hlit = r.bits(5) + 257, hdist = r.bits(5) + 1, hclen = r.bits(4) + 4
            var codeLengths = []
            var i
            for (i = 0; i < 19; ++i) codeLengths[i] = 0
            for (i = 0; i < hclen; ++i) codeLengths[ORDER[i]] = r.bits(3)
            var lenCode = new Huffman(codeLengths)
            var lengths = []
            while (lengths.length < hlit + hdist) {
                var sym = lenCode.decode(r)
                if (sym < 16) {
                    lengths.push(sym)
                } else {
                    var repeat, value = 0
                    if (sym === 16) {
                        value = lengths[lengths.length - 1]
                        repeat = 3 + r.bits(2)
                    } else if (sym === 17) {
                        repeat = 3 + r.bits(3)
                    } else {
                        repeat = 11 + r.bits(7)
                    }
                    while (repeat--) lengths.push(value)
                }
            }
            lit = new Huffman(lengths.slice(0, hlit))
            dist = new Huffman(lengths.slice(hlit))
        } else {
            throw new Error("inflate: bad block type")
        }
        for (;;) {
            var s = lit.decode(r)
            if (s < 256) {
                out[o++] = s
            } else if (s === 256) {
                break
            } else {
                s -= 257
                var length = LEN_BASE[s] + r.bits(LEN_EXTRA[s])
                var ds = dist.decode(r)
                var back = DIST_BASE[ds] + r.bits(DIST_EXTRA[ds])
                for (var c = 0; c < length; ++c, ++o) out[o] = out[o - back]
            }
        }
    }
    return out
}

// ---- zip --------------------------------------------------------------------------------------

function utf8(bytes) {
    var text = ""
    for (var i = 0; i < bytes.length;) {
        var c = bytes[i++]
        if (c >= 0xf0) {
            c = ((c & 7) << 18) | ((bytes[i++] & 63) << 12) | ((bytes[i++] & 63) << 6) | (bytes[i++] & 63)
            c -= 0x10000
            text += String.fromCharCode(0xd800 + (c >> 10), 0xdc00 + (c & 1023))
            continue
        } else if (c >= 0xe0) {
            c = ((c & 15) << 12) | ((bytes[i++] & 63) << 6) | (bytes[i++] & 63)
        } else if (c >= 0xc0) {
            c = ((c & 31) << 6) | (bytes[i++] & 63)
        }
        text += String.fromCharCode(c)
    }
    return text
}

// Every member of the archive: name → text.
function unzip(bytes) {
    var end = -1
    for (var p = bytes.length - 22; p >= 0; --p) {
        if (u32(bytes, p) === 0x06054b50) {
            end = p
            break
        }
    }
    if (end < 0)
        throw new Error("not a zip file")
    var entries = u16(bytes, end + 10)
    var q = u32(bytes, end + 16)
    var members = {}
    for (var e = 0; e < entries; ++e) {
        if (u32(bytes, q) !== 0x02014b50)
            throw new Error("broken central directory")
        var method = u16(bytes, q + 10)
        var compressed = u32(bytes, q + 20)
        var size = u32(bytes, q + 24)
        var nameLength = u16(bytes, q + 28)
        var extra = u16(bytes, q + 30)
        var comment = u16(bytes, q + 32)
        var local = u32(bytes, q + 42)
        var name = utf8(bytes.subarray(q + 46, q + 46 + nameLength))
        var data = local + 30 + u16(bytes, local + 26) + u16(bytes, local + 28)
        var content
        if (method === 0)
            content = bytes.subarray(data, data + compressed)
        else if (method === 8)
            content = inflate(bytes, data, size)
        else
            throw new Error("unsupported compression " + method)
        members[name] = utf8(content)
        q += 46 + nameLength + extra + comment
    }
    return members
}

// ---- spreadsheet ------------------------------------------------------------------------------

function unescapeXml(text) {
    return text.replace(/&lt;/g, "<").replace(/&gt;/g, ">").replace(/&quot;/g, "\"").replace(/&apos;/g, "'")
               .replace(/&#(\d+);/g, function (m, n) { return String.fromCharCode(Number(n)) })
               .replace(/&amp;/g, "&")
}

function columnNumber(letters) {
    var n = 0
    for (var i = 0; i < letters.length; ++i)
        n = n * 26 + (letters.charCodeAt(i) - 64)
    return n
}

function textOf(fragment) {
    var parts = []
    var re = /<t(?:\s[^>]*)?>([\s\S]*?)<\/t>|<t\s*\/>/g
    var m
    while ((m = re.exec(fragment)) !== null)
        parts.push(m[1] === undefined ? "" : unescapeXml(m[1]))
    return parts.join("")
}

function readWorkbook(bytes) {
    var members = unzip(bytes)
    var shared = []
    var sst = members["xl/sharedStrings.xml"]
    if (sst) {
        var si = /<si>([\s\S]*?)<\/si>/g, m
        while ((m = si.exec(sst)) !== null)
            shared.push(textOf(m[1]))
    }
    var targets = {}
    var rels = members["xl/_rels/workbook.xml.rels"] || ""
    var relRe = /<Relationship\b[^>]*>/g, rel
    while ((rel = relRe.exec(rels)) !== null) {
        var id = /Id="([^"]*)"/.exec(rel[0])
        var target = /Target="([^"]*)"/.exec(rel[0])
        if (id && target)
            targets[id[1]] = target[1].replace(/^\/?xl\//, "")
    }
    var sheets = []
    var sheetRe = /<sheet\b[^>]*>/g, s
    var workbook = members["xl/workbook.xml"]
    while ((s = sheetRe.exec(workbook)) !== null) {
        var name = unescapeXml(/name="([^"]*)"/.exec(s[0])[1])
        var rid = /r:id="([^"]*)"/.exec(s[0])[1]
        var xml = members["xl/" + targets[rid]]
        var rows = {}
        var cellRe = /<c r="([A-Z]+)(\d+)"([^>]*?)(?:\/>|>([\s\S]*?)<\/c>)/g, c
        while ((c = cellRe.exec(xml)) !== null) {
            var body = c[4] || ""
            var value
            if (/t="s"/.test(c[3]))
                value = shared[Number(/<v>(\d+)<\/v>/.exec(body)[1])]
            else if (/t="inlineStr"/.test(c[3]))
                value = textOf(body)
            else {
                var v = /<v>([\s\S]*?)<\/v>/.exec(body)
                value = v ? unescapeXml(v[1]) : ""
            }
            var r = Number(c[2])
            if (!rows[r])
                rows[r] = {}
            rows[r][columnNumber(c[1])] = value
        }
        sheets.push({ name: name, rows: rows })
    }
    return sheets
}
