-- Arrays: a list grown by appending (Lua's tables double their part as the
-- VBScript twin doubles its capacity), then 2-D tables walked with nested loops.
local list, count = {}, 0
local v = 1
for i = 1, 600000 do
  v = (v * 1103 + 12345) % 65536
  count = count + 1
  list[count] = v
end
local sum = 0
for i = 1, #list do
  sum = sum + list[i]
end
print("list " .. #list .. " sum " .. sum)

-- Matrix product of two n-by-n integer matrices.
local n = 110
local a, b, c = {}, {}, {}
for i = 0, n - 1 do
  a[i], b[i], c[i] = {}, {}, {}
  for j = 0, n - 1 do
    a[i][j] = (i * j) % 17 - 8
    b[i][j] = (i + 2 * j) % 13 - 6
  end
end
for i = 0, n - 1 do
  for j = 0, n - 1 do
    local s = 0
    for k = 0, n - 1 do
      s = s + a[i][k] * b[k][j]
    end
    c[i][j] = s
  end
end
local trace = 0
sum = 0
for i = 0, n - 1 do
  trace = trace + c[i][i]
  for j = 0, n - 1 do
    sum = sum + c[i][j]
  end
end
print("matrix trace " .. trace .. " sum " .. sum)

-- Life on a torus, two grids swapped each generation.
local w = 48
local grid, nxt = {}, {}
for x = 0, w - 1 do
  grid[x], nxt[x] = {}, {}
end
for y = 0, w - 1 do
  for x = 0, w - 1 do
    if ((x * 7 + y * 13) % 5) < 2 then grid[x][y] = 1 else grid[x][y] = 0 end
  end
end
for gen = 1, 70 do
  for y = 0, w - 1 do
    for x = 0, w - 1 do
      local nb = 0
      for dy = -1, 1 do
        for dx = -1, 1 do
          nb = nb + grid[(x + dx + w) % w][(y + dy + w) % w]
        end
      end
      nb = nb - grid[x][y]
      if nb == 3 or (nb == 2 and grid[x][y] == 1) then nxt[x][y] = 1 else nxt[x][y] = 0 end
    end
  end
  for y = 0, w - 1 do
    for x = 0, w - 1 do
      grid[x][y] = nxt[x][y]
    end
  end
end
local live = 0
for y = 0, w - 1 do
  for x = 0, w - 1 do
    live = live + grid[x][y] * (x + 1)
  end
end
print("life " .. live)
