-- A table keyed by 100k strings, used as the twin's dictionary: add, exists,
-- item, keys, remove, keeping its count as the dictionary does.
local d, count = {}, 0
local function add(k, v)
  if d[k] ~= nil then error("key already exists") end
  d[k] = v
  count = count + 1
end
local function remove(k)
  if d[k] == nil then error("key not found") end
  d[k] = nil
  count = count - 1
end

local n = 100000
for i = 1, n do
  add("key" .. i, i)
end
local found, sum, lengths = 0, 0, 0
for r = 1, 3 do
  for i = 1, 2 * n, 7 do
    if d["key" .. i] ~= nil then found = found + 1 end
  end
  for i = 1, n, r do
    d["key" .. i] = d["key" .. i] + 1
  end
  for i = r, n, 2 do
    if d["key" .. i] ~= nil then remove("key" .. i) end
  end
  local keys, nk = {}, 0
  for k in pairs(d) do
    nk = nk + 1; keys[nk] = k
  end
  for j = 1, nk do
    local k = keys[j]
    lengths = lengths + #k
    sum = sum + d[k]
  end
  for i = r, n, 2 do
    if d["key" .. i] == nil then add("key" .. i, i) end
  end
end
print("count " .. count .. " found " .. found .. " sum " .. sum .. " lengths " .. lengths)
