-- Spectral norm of an infinite matrix, by power iteration.
local function A(i, j)
  return 1 / ((i + j) * (i + j + 1) / 2 + i + 1)
end

local function mulAv(n, v, av)
  for i = 0, n - 1 do
    local s = 0
    for j = 0, n - 1 do
      s = s + A(i, j) * v[j]
    end
    av[i] = s
  end
end

local function mulAtv(n, v, atv)
  for i = 0, n - 1 do
    local s = 0
    for j = 0, n - 1 do
      s = s + A(j, i) * v[j]
    end
    atv[i] = s
  end
end

local function mulAtAv(n, v, atav, tmp)
  mulAv(n, v, tmp)
  mulAtv(n, tmp, atav)
end

local n = 350
local u, v, t = {}, {}, {}
for i = 0, n - 1 do
  u[i] = 1
end
for i = 1, 10 do
  mulAtAv(n, u, v, t)
  mulAtAv(n, v, u, t)
end
local vBv, vv = 0, 0
for i = 0, n - 1 do
  vBv = vBv + u[i] * v[i]
  vv = vv + v[i] * v[i]
end
print(string.format("%.9f", math.sqrt(vBv / vv)))
