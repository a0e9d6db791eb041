-- Whole-text operations over a ~1 MB string: split, concat, gsub, find.
local function split(s, sep)
  local t, n, start = {}, 0, 1
  while true do
    local p = string.find(s, sep, start, true)
    if not p then
      n = n + 1; t[n] = string.sub(s, start)
      return t, n
    end
    n = n + 1; t[n] = string.sub(s, start, p - 1)
    start = p + #sep
  end
end

local words = { "alpha", "beta", "gamma", "delta", "epsilon", "zeta", "eta", "theta" }
local n = 120000
local items = {}
for i = 0, n - 1 do
  items[i + 1] = words[i % 8 + 1] .. (i % 1000)
end
local text = table.concat(items, " ")
print("length " .. #text)
local rounds = 25
local total, hits = 0, 0
for r = 1, rounds do
  local pieces, count = split(text, " ")
  total = total + count
  local joined = table.concat(pieces, ",")
  local replaced = string.gsub(joined, words[r % 8 + 1], words[(r + 3) % 8 + 1])
  total = total + #replaced
  hits = 0
  local pos = string.find(replaced, "a77,", 1, true)
  while pos do
    hits = hits + 1
    pos = string.find(replaced, "a77,", pos + 1, true)
  end
  total = total + hits
  text = string.gsub(replaced, ",", " ")
end
print("hits " .. hits .. " total " .. total .. " length " .. #text)
